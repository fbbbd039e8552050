#pragma once
// What the layer properties, the node properties and the layer list need of
// the rest of the program. Any entry may be left empty; it is then skipped.

#include <QString>
#include <functional>

namespace tavelin
{

class ImageFileChooser;

struct PropertyHooks {
    std::function<void()> refreshNow;      // the map area's RefreshNow
    std::function<void()> markModified;    // the document's modified flag
    std::function<void()> refreshNodeList; // RefreshNodeList of the list area
    // The layer's name changed: its tab takes the new caption.
    std::function<void(int layer)> renameTab;
    // The layer list's double click on "No": header.currentLayer is already
    // set; the list and the tab bar switch to it. Empty: refreshNodeList.
    std::function<void(int layer)> layerMadeCurrent;
    // The file chooser of "ファイルから読込んだイメージをアイコンにする";
    // the platform's file dialog when null (not owned).
    ImageFileChooser* iconChooser = nullptr;
    // Where the defaults button writes the icon; empty: DefaultIconPath().
    QString defaultIconPath;
};

} // namespace tavelin
