#pragma once

#include <QStringView>

// Width of a text in character cells as a fixed-pitch grid shows it: East Asian wide and
// full-width characters take two cells, everything else one.
int displayCells(QStringView text);
