#pragma once
// The numeric entry field of the dialogs: a one-line edit with a step button. It holds its
// value only as text; `Value` parses the text on every read and rewrites it on every write.

#include "components/CESpinButton.h"
#include "components/CEUpDown.h"
#include "components/CeSpinRules.h"

#include <QLineEdit>
#include <QPointer>

class TCeSpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TCeSpinEdit(QWidget* parent = nullptr);
    ~TCeSpinEdit() override;

    // The value read from the text: MinValue (rounded for the integer types) when the text
    // is not a number of the value type.
    long double Value() const;
    // Clamps and writes the text.
    void SetValue(long double value);
    // Value truncated toward zero, saturated to 32 bits.
    std::int32_t AsInteger() const;
    void SetAsInteger(std::int32_t value);

    long double MinValue() const { return format_.MinValue; }
    void SetMinValue(long double value) { format_.MinValue = value; }
    long double MaxValue() const { return format_.MaxValue; }
    void SetMaxValue(long double value) { format_.MaxValue = value; }
    long double Increment() const { return increment_; }
    void SetIncrement(long double value) { increment_ = value; }
    int Decimal() const { return format_.Decimal; }
    void SetDecimal(int decimals);
    TValueType ValueType() const { return format_.ValueType; }
    void SetValueType(TValueType type);

    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool enabled);
    TSpinButtonKind ButtonKind() const { return buttonKind_; }
    void SetButtonKind(TSpinButtonKind kind);
    Qt::Alignment Alignment() const { return alignment(); }
    void SetAlignment(Qt::Alignment alignment);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool enabled) { autoSelect_ = enabled; }

    // CheckValue: the value clamped to the range (equal bounds: no range).
    long double CheckValue(long double value) const;

    // The key filter for one character at the current text.
    virtual bool IsValidChar(QChar key) const;
    // Step up or down by Increment; a read-only edit only beeps.
    virtual void UpClick();
    virtual void DownClick();

    // The step controls (one of them is null, depending on the button kind).
    TCeSpinButton* Button() const { return button_; }
    TCeUpDown* UpDown() const { return upDown_; }

    // The smallest height that shows the text.
    int MinHeight() const;

signals:
    // The text changed (typed, pasted, stepped or written); fires only on a real change.
    void OnChange();
    void OnTopClick();
    void OnBottomClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Step(long double delta, bool up);
    void TextChanged();
    void RecreateButton();
    void ResizeButton();
    int ButtonWidth() const;
    bool EditingAllowed() const { return editorEnabled_ && !isReadOnly(); }
    // Inserts text from the clipboard (or a drop) when the key filter would take it.
    void InsertChecked(const QString& text);

    TSpinFormat format_;
    long double increment_ = 1.0L;
    bool changing_ = false;
    bool editorEnabled_ = true;
    bool arrowKeys_ = true;
    bool autoSelect_ = true;
    bool entered_ = false;  // has the focus since its last real enter
    TSpinButtonKind buttonKind_ = bkDiagonal;
    QPointer<QWidget> buttonWindow_;
    QPointer<TCeSpinButton> button_;
    QPointer<TCeUpDown> upDown_;
};
