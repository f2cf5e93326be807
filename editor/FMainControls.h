#pragma once

#include "editor/Controls.h"
#include "editor/ControlsChoice.h"
#include "editor/ControlsSimple.h"
#include "editor/ControlsText.h"

// The controls of the main window as designed, before the window arranges itself for species
// input. Members are declared in creation order, which is also the drawing order of siblings.
class TFMainControls : public TForm {
public:
    TFMainControls();

    // Database panel, left; hidden for species input.
    TPanel Panel4{this, QStringLiteral("Panel4"), nullptr};
    TText Text4{this, QStringLiteral("Text4"), &Panel4};
    TListBox ListBox1{this, QStringLiteral("ListBox1"), &Panel4};  // the species list
    TButton Button11{this, QStringLiteral("Button11"), &Panel4};   // open database
    TButton Button10{this, QStringLiteral("Button10"), &Panel4};   // save all
    TButton Button20{this, QStringLiteral("Button20"), &Panel4};   // create from species files

    // Species panel.
    TPanel Panel1{this, QStringLiteral("Panel1"), nullptr};
    TText Text3{this, QStringLiteral("Text3"), &Panel1};         // species header
    TButton Button9{this, QStringLiteral("Button9"), &Panel1};   // previous species
    TButton Button13{this, QStringLiteral("Button13"), &Panel1}; // add species
    TButton Button19{this, QStringLiteral("Button19"), &Panel1}; // clear species
    TButton Button14{this, QStringLiteral("Button14"), &Panel1}; // delete species
    TButton Button12{this, QStringLiteral("Button12"), &Panel1}; // next species
    TLabel Label1{this, QStringLiteral("Label1"), &Panel1};
    TEdit Edit1{this, QStringLiteral("Edit1"), &Panel1};         // species name
    TLabel Label2{this, QStringLiteral("Label2"), &Panel1};
    TMemo Memo1{this, QStringLiteral("Memo1"), &Panel1};         // aliases
    TLabel Label5{this, QStringLiteral("Label5"), &Panel1};
    TEdit Edit2{this, QStringLiteral("Edit2"), &Panel1};         // molar mass
    TLabel Label8{this, QStringLiteral("Label8"), &Panel1};
    TEdit Edit3{this, QStringLiteral("Edit3"), &Panel1};         // sum formula
    TLabel Label9{this, QStringLiteral("Label9"), &Panel1};
    TEdit Edit4{this, QStringLiteral("Edit4"), &Panel1};         // InChI
    TLabel Label10{this, QStringLiteral("Label10"), &Panel1};
    TEdit Edit5{this, QStringLiteral("Edit5"), &Panel1};         // CAS number
    TButton Button17{this, QStringLiteral("Button17"), &Panel1}; // download the structure
    TLabel Label4{this, QStringLiteral("Label4"), &Panel1};
    TEdit Edit8{this, QStringLiteral("Edit8"), &Panel1};         // PubChem compound ID
    TLabel Label24{this, QStringLiteral("Label24"), &Panel1};
    TLabel Label3{this, QStringLiteral("Label3"), &Panel1};
    TLabel Label6{this, QStringLiteral("Label6"), &Panel1};
    TEdit Edit6{this, QStringLiteral("Edit6"), &Panel1};         // adiabatic ionization energy
    TEdit Edit9{this, QStringLiteral("Edit9"), &Panel1};         // its DOI or comment
    TLabel Label7{this, QStringLiteral("Label7"), &Panel1};
    TEdit Edit7{this, QStringLiteral("Edit7"), &Panel1};         // vertical ionization energy
    TEdit Edit10{this, QStringLiteral("Edit10"), &Panel1};       // its DOI or comment
    TRoundRect RoundRect1{this, QStringLiteral("RoundRect1"), &Panel1};  // frame of the image
    TImage Image1{this, QStringLiteral("Image1"), &Panel1};      // structure drawing
    TButton Button18{this, QStringLiteral("Button18"), &Panel1}; // clear the structure
    TButton Button6{this, QStringLiteral("Button6"), &Panel1};   // load species
    TButton Button7{this, QStringLiteral("Button7"), &Panel1};   // save species

    // Spectrum panel.
    TPanel Panel2{this, QStringLiteral("Panel2"), nullptr};
    TText Text2{this, QStringLiteral("Text2"), &Panel2};         // spectrum header
    TButton Button4{this, QStringLiteral("Button4"), &Panel2};   // previous spectrum
    TButton Button1{this, QStringLiteral("Button1"), &Panel2};   // add spectrum
    TButton Button2{this, QStringLiteral("Button2"), &Panel2};   // delete spectrum
    TButton Button3{this, QStringLiteral("Button3"), &Panel2};   // next spectrum
    TLabel Label22{this, QStringLiteral("Label22"), &Panel2};
    TEdit Edit17{this, QStringLiteral("Edit17"), &Panel2};       // spectrum title
    TLabel Label11{this, QStringLiteral("Label11"), &Panel2};
    TEdit Edit11{this, QStringLiteral("Edit11"), &Panel2};       // uploader
    TLabel Label16{this, QStringLiteral("Label16"), &Panel2};
    TLabel Label23{this, QStringLiteral("Label23"), &Panel2};    // created date
    TLabel Label12{this, QStringLiteral("Label12"), &Panel2};
    TEdit Edit12{this, QStringLiteral("Edit12"), &Panel2};       // spectrum DOI
    TLabel Label13{this, QStringLiteral("Label13"), &Panel2};
    TComboBox ComboBox1{this, QStringLiteral("ComboBox1"), &Panel2};  // spectrum kind
    TLabel Label14{this, QStringLiteral("Label14"), &Panel2};    // caption of further citations
    TMemo Memo2{this, QStringLiteral("Memo2"), &Panel2};         // further citations
    TLabel Label17{this, QStringLiteral("Label17"), &Panel2};    // caption of source / theory
    TEdit Edit14{this, QStringLiteral("Edit14"), &Panel2};       // source, or level(s) of theory
    TLabel Label15{this, QStringLiteral("Label15"), &Panel2};    // caption of the temperature
    TEdit Edit13{this, QStringLiteral("Edit13"), &Panel2};       // source or vibrational temperature
    TLabel Label18{this, QStringLiteral("Label18"), &Panel2};    // caption of resolution / FWHM
    TEdit Edit15{this, QStringLiteral("Edit15"), &Panel2};       // resolution, or convolution FWHM
    TLabel Label19{this, QStringLiteral("Label19"), &Panel2};    // caption of normalization / 0-0
    TEdit Edit18{this, QStringLiteral("Edit18"), &Panel2};       // flux normalization, or 0-0 transition
    TText Text1{this, QStringLiteral("Text1"), &Panel2};         // caption of the comments
    TMemo Memo3{this, QStringLiteral("Memo3"), &Panel2};         // further comments
    TLabel Label20{this, QStringLiteral("Label20"), &Panel2};
    TEdit Edit16{this, QStringLiteral("Edit16"), &Panel2};       // date and facility
    TLabel Label21{this, QStringLiteral("Label21"), &Panel2};
    TCheckBox CheckBox1{this, QStringLiteral("CheckBox1"), &Panel2};  // line spectrum
    TMemo Memo4{this, QStringLiteral("Memo4"), &Panel2};         // the spectrum's data text
    TButton Button8{this, QStringLiteral("Button8"), &Panel2};   // load spectrum
    TButton Button15{this, QStringLiteral("Button15"), &Panel2}; // paste spectrum
    TButton Button16{this, QStringLiteral("Button16"), &Panel2}; // copy spectrum
    TButton Button5{this, QStringLiteral("Button5"), &Panel2};   // save spectrum

    // Plot panel along the bottom.
    TPanel Panel3{this, QStringLiteral("Panel3"), nullptr};
    TChart Chart1{this, QStringLiteral("Chart1"), &Panel3};

    // Formatting buttons beside the plot, directly on the window.
    TSpeedButton SpeedButton1{this, QStringLiteral("SpeedButton1"), nullptr};  // superscript
    TSpeedButton SpeedButton2{this, QStringLiteral("SpeedButton2"), nullptr};  // subscript

    // Components without a place.
    TTimer Timer1{this, QStringLiteral("Timer1")};  // debounce of the chart
    TOpenDialog OpenDialog1{this, QStringLiteral("OpenDialog1")};
    TSaveDialog SaveDialog1{this, QStringLiteral("SaveDialog1")};
    TPopupMenu PopupMenu1{this, QStringLiteral("PopupMenu1")};  // right-click menu of the image
    TMenuItem MenuItem1{this, QStringLiteral("MenuItem1")};     // paste a picture

private:
    void BuildDatabasePanel();
    void BuildSpeciesPanel();
    void BuildSpectrumPanel();
    void BuildPlotPanel();
    void BuildComponents();
};
