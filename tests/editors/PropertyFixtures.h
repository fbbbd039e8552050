#pragma once
// Small route models for the property dialogs and the layer list: a map of
// 1 m per pixel, layers with a base date-time and an icon, nodes with
// offsets.

#include "model/RouteModel.h"

#include <QImage>
#include <QString>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tavelin::test
{

// 1000 x 1000 px, 1000 m across and down.
void SetUpModel(RouteModel& model);

// Appends a layer named `name` (UTF-8) based at the given date-time, with a
// 64 x 64 BMP icon keyed on white. Returns its index.
int AddTestLayer(RouteModel& model, const char* name, int year, int month, int day, int hour,
                 int minute, int second);

// Appends a node of `layer`; returns its index.
int AddTestNode(RouteModel& model, int layer, int x, int y, int arrival = 0, int departure = 0);

double OleDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// A 64 x 64 icon: left half red, right half blue, top-left pixel green, on
// a white border (white is the key).
QImage TestIconImage();

} // namespace tavelin::test
