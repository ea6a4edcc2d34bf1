#pragma once

#include <QString>
#include <QToolButton>

class QPaintEvent;

// The speed button of the design: a raised button that never takes the keyboard focus and
// acts on a mouse click, showing its glyph and caption centred together, the glyph on the left.
class TSpeedButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QString glyph READ glyph WRITE setGlyph)

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    QString glyph() const { return m_glyph; }

    // path names a bitmap holding two square images side by side, the first shown while the
    // button is enabled, the second while it is disabled. Pixels of the colour of the bottom-left
    // pixel are transparent.
    void setGlyph(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_glyph;
};
