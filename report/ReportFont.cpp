#include "ReportFont.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>

#include <cmath>
#include <stdexcept>

namespace {

constexpr double CourierAdvanceRatio = 0.6;
// 0.2 % keeps the 28th cell of a legend line within a fortieth of a millimetre of its place.
constexpr double AdvanceTolerance = 0.002;
constexpr int MeasuringPixelSize = 1000;

// Narrow, wide, Cyrillic, digit, blank and the mark: a proportional face cannot give them one advance.
const QString ProbeCharacters = QStringLiteral("iWЖш0 *.");
const QString CyrillicProbe = QStringLiteral("АЯаяЁё№");

QFont measuringFont(const QFont& font)
{
    QFont measuring = font;
    measuring.setPixelSize(MeasuringPixelSize);
    measuring.setHintingPreference(QFont::PreferNoHinting);
    // Measure the face itself, not a fallback face that font merging would borrow glyphs from.
    measuring.setStyleStrategy(QFont::NoFontMerging);
    return measuring;
}

} // namespace

QFont reportFont(TReportFontStyle style)
{
    QFont font;
    // fontconfig's metric-compatible alias first; then the same face named directly.
    font.setFamilies({QString::fromLatin1(ReportFontFamily), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Cousine")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(style == TReportFontStyle::Bold12 ? 12 : 10);
    font.setBold(style == TReportFontStyle::Bold12);
    font.setKerning(false);
    // Unhinted advances keep the character cells exact at every device resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    requireCourierMetrics(font);
    return font;
}

double cellAdvanceRatio(const QFont& font)
{
    const QFontMetricsF metrics(measuringFont(font));
    return metrics.horizontalAdvance(QLatin1Char('0')) / MeasuringPixelSize;
}

void requireCourierMetrics(const QFont& font)
{
    const QFont measuring = measuringFont(font);
    const QFontMetricsF metrics(measuring);
    const QString face = QFontInfo(measuring).family();

    for (const QChar character : ProbeCharacters) {
        const double ratio = metrics.horizontalAdvance(character) / MeasuringPixelSize;
        if (std::abs(ratio - CourierAdvanceRatio) > AdvanceTolerance * CourierAdvanceRatio) {
            throw std::runtime_error(
                QStringLiteral("The report font \"%1\" is not available: the face found instead, \"%2\", "
                               "advances '%3' by %4 of the font size instead of 0.6, so the report's "
                               "columns would not line up. Install \"%1\" or \"Liberation Mono\"")
                    .arg(QString::fromLatin1(ReportFontFamily), face, character)
                    .arg(ratio, 0, 'f', 4)
                    .toStdString());
        }
    }

    const QRawFont raw = QRawFont::fromFont(measuring);
    for (const QChar character : CyrillicProbe) {
        if (!raw.supportsCharacter(character)) {
            throw std::runtime_error(
                QStringLiteral("The report font \"%1\" is not available: the face found instead, \"%2\", "
                               "has no glyph for '%3'. Install \"%1\" or \"Liberation Mono\"")
                    .arg(QString::fromLatin1(ReportFontFamily), face, character)
                    .toStdString());
        }
    }
}
