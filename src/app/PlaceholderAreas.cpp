#include "app/PlaceholderAreas.h"

namespace tavelin
{
namespace
{

void WhitePane(QWidget* pane, const char* name)
{
    pane->setObjectName(QString::fromLatin1(name));
    pane->setAutoFillBackground(true);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Window, Qt::white);
    pane->setPalette(palette);
    pane->setMinimumSize(1, 1);
}

} // namespace

PlaceholderListArea::PlaceholderListArea(QWidget* parent) : QWidget(parent)
{
    WhitePane(this, "ListArea");
}

PlaceholderMapArea::PlaceholderMapArea(QWidget* parent) : QWidget(parent)
{
    WhitePane(this, "MapArea");
}

} // namespace tavelin
