#pragma once

#include <QToolButton>

class QLabel;

// A menu page's flat icon button (65 x 65, 48 x 48 icon) with its caption below it, in a
// 75 x 75 frame. Where the caption is clickable it acts as the button does.
class IconButton : public QWidget
{
    Q_OBJECT

public:
    IconButton(const QString& objectName, const QString& iconName, const QString& caption,
               QWidget* parent = nullptr);

    QToolButton* button() const { return m_button; }
    QLabel* label() const { return m_label; }

    void setCaption(const QString& caption);
    void setCaptionClickable(bool clickable) { m_captionClickable = clickable; }

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* m_button;
    QLabel* m_label;
    QString m_iconName; // empty once the icon is read
    bool m_captionClickable = false;
};
