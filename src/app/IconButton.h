#pragma once

#include <QToolButton>

class QLabel;

// A menu page's flat icon button (65 x 65, 48 x 48 icon) with its caption below it, in a
// 75 x 75 frame. Where the caption is clickable it acts as the button does.
//
// The button and the caption are made when the frame first comes up, or when asked for
// before: most menu pages are never opened in a session, and every control the window
// holds is styled and laid out at start-up, shown or not. Until then the frame keeps
// what they are to show.
class IconButton : public QWidget
{
    Q_OBJECT

public:
    IconButton(const QString& objectName, const QString& iconName, const QString& caption,
               QWidget* parent = nullptr);

    QToolButton* button();
    QLabel* label();

    void setCaption(const QString& caption);
    void setCaptionClickable(bool clickable) { m_captionClickable = clickable; }
    // The tooltip of the button itself (the frame keeps its own, as any widget does).
    void setButtonToolTip(const QString& text);
    void setButtonEnabled(bool enabled);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build();

    QString m_name;
    QString m_iconName; // empty once the icon is read
    QString m_caption;
    QString m_buttonToolTip;
    bool m_buttonEnabled = true;
    bool m_captionClickable = false;
    QToolButton* m_button = nullptr;
    QLabel* m_label = nullptr;
};
