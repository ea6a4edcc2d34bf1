#pragma once

// The window is designed in Windows faces. Where a face is missing, the metric-compatible
// Liberation face stands in; fontconfig knows Arial and Times New Roman, but not MS Sans Serif,
// for which it would pick a wider face without telling.
void InstallFontSubstitutes();
