#include "window/parameter_panel.h"

#include <QLocale>
#include <algorithm>
#include <optional>
#include <string>

#include "document/scheme_document.h"
#include "fileio/language_text.h"
#include "fileio/scheme_text.h"
#include "window/parameter_edit.h"
#include "window/window_texts.h"

namespace quorvane {

ParameterPanel::ParameterPanel(const SchemeDocument& document,
                               const std::array<ParameterEdit*, 5>& edits, QObject* parent)
    : QObject(parent), document_(document), edits_(edits) {
    for (ParameterEdit* edit : edits_) {
        connect(edit, &ParameterEdit::focusLeft, this, &ParameterPanel::MarkEmptyFields);
        connect(edit, &QLineEdit::textEdited, this, &ParameterPanel::typingChanged);
        connect(edit, &ParameterEdit::shortenedTextReplaced, this, [this] {
            ShowTips();
            emit typingChanged();
        });
        connect(edit, &ParameterEdit::fillDownRequested, this, [this, edit] { FillDown(edit); });
        // Enter goes on to the next empty field of the wheel set; from the
        // last field, or when none after it is empty, to the next wheel set.
        connect(edit, &ParameterEdit::stepRequested, this, [this, edit](bool backwards) {
            if (backwards || !FocusNextEmpty(edit)) {
                emit stepRequested(backwards);
            }
        });
    }
}

EditedTexts ParameterPanel::EditsNow() const {
    return EditedTexts{
        .series = edits_[0]->EditedText(),
        .carNumber = edits_[1]->EditedText(),
        .axleName = edits_[2]->EditedText(),
        .wheelSetName = edits_[3]->EditedText(),
        .run = edits_[4]->EditedText(),
    };
}

bool ParameterPanel::HasTyping() const {
    return document_.scheme().mode == Mode::ParameterMode &&
           std::any_of(edits_.begin(), edits_.end(), [](auto* edit) { return edit->IsEdited(); });
}

void ParameterPanel::ShowWalkPosition() {
    const Scheme& scheme = document_.scheme();
    const ParameterTexts texts = scheme.mode == Mode::ParameterMode
                                     ? quorvane::LoadEditsFromModel(scheme)
                                     : ParameterTexts{};
    edits_[0]->ShowSchemeText(texts.series);
    edits_[1]->ShowSchemeText(texts.carNumber);
    edits_[2]->ShowSchemeText(texts.axleName);
    edits_[3]->ShowSchemeText(texts.wheelSetName);
    edits_[4]->ShowSchemeText(texts.run);
    ShowTips();
    MarkEmptyFields();
}

void ParameterPanel::ApplyLanguage(Language language) {
    language_ = language;
    for (ParameterEdit* edit : edits_) {
        edit->SetRefusalHint(InLanguage(kRefusalHint, language));
    }
    ShowTips();
}

void ParameterPanel::FocusForTyping() {
    const auto empty = std::find_if(edits_.begin(), edits_.end(), [](ParameterEdit* edit) {
        return edit->isEnabled() && edit->text().isEmpty();
    });
    ParameterEdit* target = empty != edits_.end() ? *empty : edits_.front();
    if (target->isEnabled()) {
        target->setFocus(Qt::ShortcutFocusReason);
    }
}

bool ParameterPanel::FocusNextEmpty(const ParameterEdit* after) {
    const auto from = std::find(edits_.begin(), edits_.end(), after);
    for (auto it = from == edits_.end() ? from : from + 1; it != edits_.end(); ++it) {
        if ((*it)->isEnabled() && (*it)->text().isEmpty()) {
            (*it)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void ParameterPanel::FillDown(ParameterEdit* edit) {
    const std::optional<ParameterTexts> previous = PreviousWheelSetTexts(document_.scheme());
    if (!previous) {
        emit message(InLanguage(kNothingToFillDown, language_));
        return;
    }
    const std::array<const std::string*, 5> texts{&previous->series, &previous->carNumber,
                                                  &previous->axleName, &previous->wheelSetName,
                                                  &previous->run};
    const auto field = std::find(edits_.begin(), edits_.end(), edit) - edits_.begin();
    const std::string& text = *texts.at(static_cast<std::size_t>(field));
    // An edit shows a longer text shortened, and a shortened text cannot be typed.
    if (text.size() > ParameterEdit::kLongText) {
        emit message(InLanguage(kFillDownTooLong, language_));
        return;
    }
    edit->FillText(DecodeSchemeText(text));
    emit typingChanged();
}

void ParameterPanel::MarkEmptyFields() {
    for (ParameterEdit* edit : edits_) {
        edit->SetNormalBackground(edit->text().isEmpty() ? kEmptyFieldColour : kFilledFieldColour);
    }
}

void ParameterPanel::ShowTips() {
    for (ParameterEdit* edit : edits_) {
        edit->setToolTip(
            edit->IsShortened()
                ? InLanguage(kShortenedTextTip, language_)
                      .arg(QLocale().toString(static_cast<qulonglong>(edit->ShortenedLength())),
                           NounIn(static_cast<long long>(edit->ShortenedLength()), kCharacters,
                                  language_))
                : QString());
    }
    const Scheme& scheme = document_.scheme();
    if (scheme.mode != Mode::ParameterMode) {
        return;
    }
    if (const std::optional<DifferingNames> names = DifferingWheelSetNames(scheme)) {
        auto letter = [](int side) {
            return side == kLeftSide ? QStringLiteral("L") : QStringLiteral("R");
        };
        const QString tip = InLanguage(kDifferingNamesTip, language_)
                                .arg(QString::number(scheme.state.currentAxle + 1),
                                     letter(names->shownSide), ShortenedSchemeText(names->shown),
                                     letter(names->otherSide), ShortenedSchemeText(names->other));
        ParameterEdit* wheelSet = edits_[3];
        wheelSet->setToolTip(
            wheelSet->toolTip().isEmpty() ? tip : wheelSet->toolTip() + QLatin1Char('\n') + tip);
    }
}

}  // namespace quorvane
