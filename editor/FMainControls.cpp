#include "editor/FMainControls.h"

#include "records/Records.h"

namespace {

// Buttons without a size of their own have the toolkit's desktop button size.
constexpr double ButtonWidth = 80;
constexpr double ButtonHeight = 22;

constexpr double HeaderSize = 18;

void Place(TControl& control, double x, double y, double width, double height, int tabOrder = -1) {
    control.SetBounds(x, y, width, height);
    control.TabOrder = tabOrder;
}

void Header(TText& text, double width, const QString& caption) {
    Place(text, 0, 0, width, 41);
    text.SetText(caption);
    text.Font = {HeaderSize, true};
}

void Glyph(TButton& button, double x, double width, const QString& glyph, int tabOrder) {
    Place(button, x, 40, width, 25, tabOrder);
    button.Text = glyph;
    button.Font = {HeaderSize, true};
}

void Label(TLabel& label, double x, double y, double width, const QString& text) {
    Place(label, x, y, width, 17);
    label.SetText(text);
}

void Button(TButton& button, double x, double y, const QString& text, int tabOrder) {
    Place(button, x, y, ButtonWidth, ButtonHeight, tabOrder);
    button.Text = text;
}

const QString IonizationHint = QStringLiteral(
    "Adiabatic (AIE) and/or vertical (VIE) ionization energies, preferably based on assigned "
    "experimental spectra, given in eV without unit. Please give DOI if literature reference is "
    "available, otherwise details to help put the values into context.");

const QString StructureHint = QStringLiteral(
    "Download a molecular structure to display using the Struct button. If a structure is "
    "unavailable, please delete the image by clicking on \u00D7. By right clicking in the image "
    "field, a custom image (preferred resolution 100 \u00D7 100) can be pasted.");

const QString StepSpectraHint = QStringLiteral("Step through the spectra associated with the current species");

const QString FormatHint =
    QStringLiteral("Format the selected text with HTML tags (only rendered in the live database)");

const QString JsonFilter = QStringLiteral("JSON files (*.json)|*.json");

}  // namespace

TFMainControls::TFMainControls() : TForm(QStringLiteral("FMain")) {
    SetClientSize(943, 827);
    BuildDatabasePanel();
    BuildSpeciesPanel();
    BuildSpectrumPanel();
    BuildPlotPanel();
    BuildComponents();
    EndBuilding();
}

void TFMainControls::BuildDatabasePanel() {
    Place(Panel4, 8, 8, 217, 593, 29);
    Header(Text4, 217, QStringLiteral("Database"));
    Place(ListBox1, 9, 48, 200, 489, 0);
    ListBox1.AddItem(QStringLiteral("New species"));
    Button(Button11, 9, 544, QStringLiteral("&Open"), 1);
    Button11.Hint = QStringLiteral("Load database");
    Button(Button10, 128, 544, QStringLiteral("Save &all"), 2);
    Button10.Hint = QStringLiteral("Save database");
    Place(Button20, 9, 568, 199, 22, 3);
    Button20.Text = QStringLiteral("Create from species files");
    Button20.Hint = QStringLiteral("Load database");
}

void TFMainControls::BuildSpeciesPanel() {
    Place(Panel1, 232, 8, 249, 593, 0);
    Header(Text3, 249, QStringLiteral("New  species"));

    Glyph(Button9, 0, 33, QStringLiteral("\U0001F808"), 0);
    Button9.Tag = -1;
    Button9.SetEnabled(false);
    Glyph(Button13, 88, 25, QStringLiteral("\u2795"), 1);
    Button13.Hint = QStringLiteral("Add new species");
    Glyph(Button19, 112, 25, QStringLiteral("\U0001F5D1"), 2);
    Button19.Hint = QStringLiteral("Clears the species to start editing a new one");
    Button19.SetVisible(false);
    Glyph(Button14, 136, 25, QStringLiteral("\u2796"), 3);
    Button14.Hint = QStringLiteral("Delete selected species");
    Button14.SetEnabled(false);
    Glyph(Button12, 216, 33, QStringLiteral("\U0001F80A"), 4);
    Button12.Tag = 1;
    Button12.SetEnabled(false);

    Label(Label1, 8, 75, 76, QStringLiteral("Species"));
    Label1.Font.Bold = true;
    Place(Edit1, 86, 72, 152, 22, 5);
    Edit1.SetText(QStringLiteral("New species"));
    Edit1.Font.Bold = true;
    Edit1.Hint = QStringLiteral("Unique, most common name of a compound/molecule");

    Label(Label2, 8, 104, 76, QStringLiteral("Aliases"));
    Place(Memo1, 86, 104, 152, 97, 6);
    Memo1.Hint = QStringLiteral("Other, commonly used English species names in physical chemistry context");

    Label(Label5, 8, 211, 76, QStringLiteral("Mass / amu"));
    Place(Edit2, 86, 208, 152, 22, 7);
    Edit2.Hint = QStringLiteral("Molar mass without units");

    Label(Label8, 8, 235, 76, QStringLiteral("Sum formula"));
    Place(Edit3, 86, 232, 152, 22, 8);
    Edit3.Hint = QStringLiteral(
        "CzHyOxNv \u2013 Use the subscript button or Alt + y to format the entry (subscripts are only "
        "rendered in the live database)");

    Label(Label9, 8, 259, 76, QStringLiteral("InChI"));
    Place(Edit4, 86, 256, 152, 22, 9);
    Edit4.Hint = QStringLiteral("IUPAC International Chemical Identifier");

    Label(Label10, 8, 283, 76, QStringLiteral("CAS number"));
    Place(Edit5, 86, 280, 107, 22, 10);
    Edit5.Hint = QStringLiteral("CAS Registry Number");
    Place(Button17, 196, 280, 42, 22, 17);
    Button17.Text = QStringLiteral("Struct");
    Button17.Hint = StructureHint;

    Label(Label4, 8, 307, 76, QStringLiteral("PubChem CID"));
    Place(Edit8, 86, 304, 152, 22, 11);
    Edit8.Hint = QStringLiteral("PubChem Compound ID");

    Label(Label24, 8, 328, 121, QStringLiteral("Ionization energies"));
    Label(Label3, 136, 328, 97, QStringLiteral("DOI / comment"));
    Label(Label6, 8, 347, 76, QStringLiteral("AIE / eV"));
    Place(Edit6, 86, 344, 41, 22, 12);
    Edit6.Hint = IonizationHint;
    Place(Edit9, 134, 344, 105, 22, 13);
    Edit9.Hint = IonizationHint;
    Label(Label7, 8, 371, 76, QStringLiteral("VIE / eV"));
    Place(Edit7, 86, 368, 41, 22, 14);
    Edit7.Hint = IonizationHint;
    Place(Edit10, 134, 368, 105, 22, 15);
    Edit10.Hint = IonizationHint;

    Place(RoundRect1, 8, 400, 233, 153);
    RoundRect1.Fill = ColorWhite;
    RoundRect1.Stroke = 0xFF12F6B7;
    Place(Image1, 8, 400, 233, 153);
    Image1.Hint = StructureHint;
    Image1.PopupMenu = &PopupMenu1;
    Place(Button18, 216, 392, 22, 22, 16);
    Button18.Text = QStringLiteral("\u274C");
    Button18.Hint = StructureHint;

    Button(Button6, 9, 560, QStringLiteral("Load"), 18);
    Button6.Hint = QStringLiteral("Opens a species including multiple experimental spectra and simulations from a .json file");
    Button(Button7, 161, 560, QStringLiteral("Save"), 19);
    Button7.Hint = QStringLiteral(
        "Saves a species including multiple experimental spectra and simulations to a .json file to be "
        "submitted to the TPES database");
}

void TFMainControls::BuildSpectrumPanel() {
    Place(Panel2, 488, 8, 449, 593, 1);
    Header(Text2, 449, QStringLiteral("New spectrum"));

    Glyph(Button4, 0, 33, QStringLiteral("\U0001F808"), 0);
    Button4.Tag = -1;
    Button4.SetEnabled(false);
    Button4.Hint = StepSpectraHint;
    Glyph(Button1, 184, 25, QStringLiteral("\u2795"), 1);
    Button1.Hint = QStringLiteral("Adds a new spectrum (measurement or simulation) to the current species");
    Glyph(Button2, 248, 25, QStringLiteral("\u2796"), 2);
    Button2.SetEnabled(false);
    Button2.SetFontColor(ColorRed);
    Button2.Hint = QStringLiteral("Deletes the current spectrum from the species dataset");
    Glyph(Button3, 416, 33, QStringLiteral("\U0001F80A"), 3);
    Button3.Tag = 1;
    Button3.SetEnabled(false);
    Button3.Hint = StepSpectraHint;

    Label(Label22, 8, 75, 76, QStringLiteral("Title"));
    Place(Edit17, 80, 72, 217, 22, 4);
    Edit17.SetText(QStringLiteral("New spectrum"));
    Edit17.Hint = QStringLiteral(
        "Give a title to the spectrum in the database. Do not give the name of the species but focus on "
        "how to describe the spectrum best, possibly specifying the ion states involved.");

    Label(Label11, 8, 99, 76, QStringLiteral("Uploader"));
    Place(Edit11, 80, 96, 217, 22, 5);
    Edit11.Hint = QStringLiteral(
        "This is going to be your signature below the spectrum in the database. You can use your "
        "initials, full name or even e-mail address (the last is not recommended, because it will be "
        "published online)");

    Label(Label16, 8, 123, 76, QStringLiteral("Created"));
    Label(Label23, 80, 123, 185, QStringLiteral("2020/12/12"));

    Label(Label12, 8, 147, 76, QStringLiteral("Spect. DOI"));
    Place(Edit12, 80, 144, 217, 22, 6);
    Edit12.Hint = QStringLiteral(
        "DOI (without DOI or http link), where the spectrum was published. Leave empty if unpublished. "
        "Example: 10.5555/zq482093w");

    Label(Label13, 8, 171, 76, QStringLiteral("Type"));
    Place(ComboBox1, 80, 168, 217, 22, 7);
    for (const QString& kind : SpectrumKind) ComboBox1.Items.append(kind);
    ComboBox1.SetItemIndex(0);

    Label(Label14, 8, 195, 289, QStringLiteral("Further citations (expt., source, light source etc.)"));
    Place(Memo2, 8, 216, 289, 57, 8);

    Label(Label17, 8, 283, 113, QStringLiteral("Source"));
    Place(Edit14, 120, 280, 177, 22, 9);
    Label(Label15, 8, 307, 105, QStringLiteral("T / K"));
    Place(Edit13, 120, 304, 177, 22, 10);
    Label(Label18, 8, 331, 105, QStringLiteral("Resolution / meV"));
    Place(Edit15, 120, 328, 177, 22, 11);
    Label(Label19, 8, 355, 105, QStringLiteral("Flux normalization"));
    Place(Edit18, 120, 352, 177, 22, 12);

    Place(Text1, 8, 384, 289, 33);
    Text1.SetText(QStringLiteral(
        "Comments: mass resolution, extraction field, details of spectral treatment, sample / isomeric "
        "purity etc."));
    Text1.Centred = false;
    Text1.WordWrap = true;
    Place(Memo3, 8, 416, 289, 105, 13);
    Memo3.WordWrap = true;

    Label(Label20, 8, 531, 105, QStringLiteral("Date && facility"));
    Place(Edit16, 120, 528, 177, 22, 14);

    Place(Label21, 312, 47, 113, 58);
    Label21.SetText(QStringLiteral("Spectrum, I(hv / eV)"));
    Place(CheckBox1, 312, 88, 105, 19, 15);
    CheckBox1.Text = QStringLiteral("Line spectrum");
    CheckBox1.Hint = QStringLiteral(
        "The (x,y) values given in the spectrum will not be connected, but lines will be plotted for the "
        "transitions. Zero y values will be removed.");
    Place(Memo4, 312, 112, 129, 441, 16);
    Memo4.Hint = QStringLiteral(
        "Insert the spectrum given in two columns with photon energies in x, and intensities in y as "
        "ASCII values. The columns can be separated by space, tab, or comma. Copy from Excel or Origin "
        "and paste the data in this field.");

    const QString moveHint = QStringLiteral(
        "Helpful to move erroneously placed spectra between species, but not needed otherwise: when the "
        "species is saved, all the spectra are saved into the file, as well.");
    Button(Button8, 9, 560, QStringLiteral("Load"), 17);
    Button8.Hint = QStringLiteral(
        "Loads the spectrum from a standalone .json file into the current spectrum. ") + moveHint;
    Button(Button15, 97, 560, QStringLiteral("Paste"), 18);
    Button15.Hint = QStringLiteral("Same as load but from the Clipboard");
    Button(Button16, 273, 560, QStringLiteral("Copy"), 19);
    Button16.Hint = QStringLiteral("Same as Save but to the Clipboard");
    Button(Button5, 361, 560, QStringLiteral("Save"), 20);
    Button5.Hint = QStringLiteral(
        "Saves the current spectrum into a standalone .json file from which it can be loaded into, e.g., "
        "the current spectrum of a different species. ") + moveHint;
}

void TFMainControls::BuildPlotPanel() {
    Place(Panel3, 8, 608, 905, 217, 25);
    Place(Chart1, 8, 8, 889, 201);
    Chart1.StretchWithParent = true;
}

void TFMainControls::BuildComponents() {
    // Both speed buttons stand one pixel inside the plot panel's right edge.
    Place(SpeedButton1, 912, 608, 24, 22);
    SpeedButton1.Text = QStringLiteral("&x\u00B2");
    SpeedButton1.Tag = 1;
    SpeedButton1.Hint = FormatHint;
    Place(SpeedButton2, 912, 624, 24, 22);
    SpeedButton2.Text = QStringLiteral("&y\u2082");
    SpeedButton2.Tag = 0;
    SpeedButton2.Hint = FormatHint;

    Timer1.Interval = 1000;

    OpenDialog1.DefaultExt = QStringLiteral("json");
    OpenDialog1.Filter = JsonFilter;
    OpenDialog1.FileMustExist = true;
    OpenDialog1.PathMustExist = true;
    OpenDialog1.HideReadOnly = true;
    OpenDialog1.EnableSizing = true;

    SaveDialog1.DefaultExt = QStringLiteral("json");
    SaveDialog1.Filter = JsonFilter;
    SaveDialog1.OverwritePrompt = true;
    SaveDialog1.HideReadOnly = true;
    SaveDialog1.EnableSizing = true;

    MenuItem1.Text = QStringLiteral("Paste");
    PopupMenu1.Items.push_back(&MenuItem1);
}
