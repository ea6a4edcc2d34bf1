#include "FontSubstitutes.h"

#include <QFont>

void InstallFontSubstitutes()
{
    // Substitutes are consulted only when the face itself is not installed.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}
