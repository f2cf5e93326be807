#include "editor/TFMain.h"

#include "editor/Dispatch.h"
#include "editor/Platform.h"
#include "records/Markup.h"
#include "records/NumberText.h"

void TFMain::Edit3Change(TComponent*) {
    if (UserChange) SetDBChanged(true);
}

void TFMain::Edit1ChangeTracking(TComponent*) {
    Text3.SetText(Edit1.Text());
    if (UserChange) SetDBChanged(true);
}

void TFMain::Edit17ChangeTracking(TComponent* sender) {
    if (sender == &Edit17) {
        const int count = FISpecies >= 0 && FISpecies < int(Data.size()) ? int(Data[FISpecies].Spectra.size()) : 0;
        Text2.SetText(StripTags(Edit17.Text()) + QStringLiteral(" (") + QString::number(FISpectrum + 1) +
                      QLatin1Char('/') + QString::number(count) + QLatin1Char(')'));
    } else if (sender == &ComboBox1) {
        SetSimulation(ComboBox1.ItemIndex() == SIMULATION_KIND);
    }
    // Editing a field confirms the value it took over from the previous spectrum.
    if (auto* field = dynamic_cast<TTextField*>(sender)) field->SetFontColor(ColorBlack);
}

void TFMain::CheckBox1Click(TComponent*) { SetDBChanged(true); }

// Numeric fields ask before the focus leaves them with a text that is no number.
void TFMain::Edit6Exit(TComponent* sender) {
    if (sender == &Edit18 && !FSimulation) return;  // a measurement's normalization is free text
    const QString& text = static_cast<TEdit*>(sender)->Text();
    if (text.isEmpty()) return;
    if (TextToFloat(text) != NO_VALUE) return;
    if (!platform_->Confirm(QStringLiteral("A numerical value expected, this is not one. Want to continue?"))) {
        throw EAbort();
    }
}

// Wraps the focused field's selection in <sup> (Tag 1) or <sub> tags, caret after the closing tag.
void TFMain::SpeedButton1Click(TComponent* sender) {
    const QString tag = sender->Tag == 1 ? QStringLiteral("sup") : QStringLiteral("sub");
    TControl* focused = Focused();
    const auto wrap = [&](const QString& text, int start, int length) {
        return text.left(start) + QLatin1Char('<') + tag + QLatin1Char('>') + text.mid(start, length) +
               QStringLiteral("</") + tag + QLatin1Char('>') + text.mid(start + length);
    };
    const auto caret = [&](int start, int length) { return start + length + 2 * int(tag.size()) + 5; };
    if (auto* edit = dynamic_cast<TEdit*>(focused)) {
        const int start = edit->SelStart(), length = edit->SelLength();
        edit->SetText(wrap(edit->Text(), start, length));
        edit->SetSelStart(caret(start, length));
    } else if (auto* memo = dynamic_cast<TMemo*>(focused); memo && memo != &Memo4) {
        const int start = memo->SelStart(), length = memo->SelLength();
        memo->SetText(wrap(memo->Text(), start, length));
        memo->SetSelStart(caret(start, length));
    }
}
