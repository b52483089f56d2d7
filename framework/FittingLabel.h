#pragma once

#include <QFont>
#include <QLabel>

#include <optional>

// A label whose one-line text, too wide for it, is shown smaller so that every character of it
// shows: a read-out's sign, digits and unit. The size is chosen when the text, the label's size
// or its font changes: the largest whole-pixel size, down to three quarters of the design size,
// at which the text fits. Only a text too wide even then is cut at its end with an ellipsis,
// keeping its start; Qt alone would clip a right-aligned text on the left and show a wrong
// number. Qt's label paints whatever is chosen. A text of more lines than one is never fitted.
class FittingLabel : public QLabel {
  public:
    void SetWholeText(const QString& text);
    // The font the label is designed with; it shows a smaller one only to fit its text.
    void SetDesignFont(const QFont& font);
    QFont DesignFont() const { return design_.value_or(font()); }
    void SetWordWrap(bool on);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Fit();
    void Show(const QFont& font, const QString& text);
    // The width Qt's label gives its text: the contents less the margin and the indent.
    int TextRoom() const;

    QString whole_;
    // Unset until the framework gives one or the label first shows a smaller font: until then
    // the design is the font the label inherits.
    std::optional<QFont> design_;
    bool showing_ = false;
};
