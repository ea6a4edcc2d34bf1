#include "SpeedButton.h"

#include "ResourceImage.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

constexpr int GlyphCaptionSpacing = 4;

QPixmap TransparentPixmap(const QImage& image, const QColor& transparent)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return pixmap;
}

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::setGlyph(const QString& path)
{
    m_glyph = path;
    const QImage bitmap = ReadResourceImage(path);
    if (bitmap.isNull() || bitmap.width() < 2) {
        setIcon(QIcon());
        return;
    }
    const int imageWidth = bitmap.width() / 2;
    const QColor transparent = bitmap.pixelColor(0, bitmap.height() - 1);
    QIcon icon;
    icon.addPixmap(TransparentPixmap(bitmap.copy(0, 0, imageWidth, bitmap.height()), transparent),
                   QIcon::Normal);
    icon.addPixmap(TransparentPixmap(bitmap.copy(imageWidth, 0, imageWidth, bitmap.height()), transparent),
                   QIcon::Disabled);
    setIconSize(QSize(imageWidth, bitmap.height()));
    setIcon(icon);
}

// Qt's styles put a tool button's icon at its left edge; the design centres glyph and caption
// together, so the style draws only the bevel and the content is drawn here.
void TSpeedButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);

    QStyleOptionToolButton bevel = option;
    bevel.text.clear();
    bevel.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, bevel);

    const QPixmap pixmap = option.icon.pixmap(option.iconSize, devicePixelRatio(),
                                              isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const int glyphWidth = pixmap.isNull() ? 0 : option.iconSize.width();
    const int captionWidth = fontMetrics().horizontalAdvance(option.text);
    const int spacing = glyphWidth > 0 && captionWidth > 0 ? GlyphCaptionSpacing : 0;

    QRect content = rect();
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const int left = content.left() + (content.width() - glyphWidth - spacing - captionWidth) / 2;
    if (!pixmap.isNull()) {
        const int top = content.top() + (content.height() - option.iconSize.height()) / 2;
        painter.drawPixmap(QRect(QPoint(left, top), option.iconSize), pixmap);
    }
    const QRect captionRect(left + glyphWidth + spacing, content.top(), captionWidth, content.height());
    painter.drawItemText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), option.text,
                         QPalette::ButtonText);
}
