// tavelin-tool render DOC.tvn OUT.jpeg: the whole map at 100 % as the
// editor's "save the map as JPEG" writes it, through the same DrawScene.
#include "tools/Commands.h"

#include "document/DocumentFile.h"
#include "mapview/DrawScene.h"
#include "mapview/SaveMapImage.h"
#include "model/RouteModel.h"

#include <QFileInfo>

namespace tavelin::tool
{

int CmdRender(const QStringList& args)
{
    if (args.size() != 2)
        return Usage(QStringLiteral("render DOC.tvn OUT.jpeg"));
    RouteModel model;
    if (!OpenForTool(args[0], model))
        return 1;
    QImage background;
    switch (BuildBackground(model, background)) {
    case BackgroundResult::NoMap:
        return Fail(30046); // the editor offers no image without a map
    case BackgroundResult::NoMemory:
        return Fail(30001, QStringLiteral("背景地図描画用"));
    case BackgroundResult::NotRendered: // shown white, as the editor shows it
    case BackgroundResult::Built:
        break;
    }
    SceneState state;
    state.background = background.isNull() ? nullptr : &background;
    return WriteMapJpeg(model, state, QFileInfo(args[1]).absoluteFilePath(), nullptr) ? 0 : 1;
}

} // namespace tavelin::tool
