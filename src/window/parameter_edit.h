// A parameter edit: one of the five texts typed at a walk position. It takes
// only what a scheme file can store, shows its emptiness colour while it has
// no focus and the tooltip colour while it has, and reports losing the focus.
//
// It remembers the text it was given, so that an edit the operator left as
// it was is told apart from a changed one: only a changed edit is stored.
#pragma once

#include <QLineEdit>
#include <optional>
#include <string>
#include <string_view>

#include "model/rgb.h"

class QKeyEvent;

namespace quorvane {

// Whether an enabled action of the widget's window holds the key, which the
// window's commands then take before the widget's own editing keys.
bool WindowActionTakes(const QWidget& widget, const QKeyEvent& event);

// A scheme text as the window shows it: longer than ParameterEdit::kLongText
// bytes, its beginning and an ellipsis.
QString ShortenedSchemeText(std::string_view bytes);

class ParameterEdit final : public QLineEdit {
    Q_OBJECT

public:
    // Longer texts are shown shortened: a line edit lays out its whole text,
    // and one of megabytes would take seconds and gigabytes.
    static constexpr std::size_t kLongText = 1000;
    static constexpr qsizetype kShortenedTo = 64;

    explicit ParameterEdit(QWidget* parent);

    // Shows a scheme text (Windows-1251 bytes). A text longer than kLongText
    // bytes shows its beginning, read-only, until the operator types over it
    // or deletes it, which replaces it whole.
    void ShowSchemeText(std::string_view bytes);
    // Fill-down: the text as if typed over whatever the edit held, a
    // shortened text included, and selected, so that typing replaces it.
    void FillText(const QString& text);
    // The operator's text when it differs from the one shown; nothing for an
    // edit left as it was.
    std::optional<std::string> EditedText() const;
    bool IsEdited() const { return text() != shown_; }
    // Whether a long text is shown shortened, and its length in bytes.
    bool IsShortened() const { return shortenedLength_ != 0; }
    std::size_t ShortenedLength() const { return shortenedLength_; }

    // The background while the edit has no focus.
    void SetNormalBackground(Rgb colour);
    // Shown when a typed or pasted character is refused.
    void SetRefusalHint(const QString& hint) { refusalHint_ = hint; }

signals:
    void focusLeft();
    // Enter asks for the next wheel set, Shift+Enter for the previous one.
    void stepRequested(bool backwards);
    // Ctrl+D: fill the edit from the previous wheel set.
    void fillDownRequested();
    // A shortened text was replaced: its tooltip no longer applies.
    void shortenedTextReplaced();

protected:
    // Leaves every key that an enabled action of its window holds to it.
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRefusalHint();
    bool ReplacesShortenedText(QKeyEvent* event) const;
    bool HoldsCommandKey(const QKeyEvent& event) const;

    QString refusalHint_;
    QString shown_;
    std::size_t shortenedLength_ = 0;
};

}  // namespace quorvane
