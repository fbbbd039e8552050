#pragma once
// Maps for the printing tests: each page of a grid in its own colour, so a
// preview or a printed page tells which piece of the map it shows.

#include "print/PagePlan.h"

#include <QImage>
#include <QRect>
#include <QRgb>

class QPdfDocument;

namespace tavelin::test
{

// The colour of grid page `page` (1-based).
QRgb PageColour(int page);
// A map of columns x rows tiles of `tile` pixels, each in PageColour of its
// page; the last column and row `cut` pixels narrower.
QImage PagedMap(QSize tile, int columns, int rows, QSize cut = {});
// Page `page` of a PDF rasterised at `dpi` on white paper (the renderer
// leaves the paper transparent); only `clip` of it when given.
QImage RenderPdfPage(QPdfDocument& doc, int page, int dpi, const QRect& clip = {});
// Channels apart by at most `tolerance`.
bool Near(QRgb a, QRgb b, int tolerance = 8);

} // namespace tavelin::test
