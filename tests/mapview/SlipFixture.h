#pragma once
// A map with slips and a view stand-in that records what the slip commands
// asked of it.

#include "MapFixture.h"
#include "mapview/SlipCopyBuffer.h"
#include "mapview/SlipOperations.h"
#include "mapview/SlipViewHost.h"

#include <map>
#include <vector>

namespace tavelin::test
{

class RecordingSlipHost : public SlipViewHost
{
public:
    explicit RecordingSlipHost(RouteModel& model) : m_model(model) {}

    void RefreshNow() override { ++refreshes; }
    void MarkModified() override { ++modified; }
    void TakeSlipSnapshot() override { ++snapshots; }
    void DiscardSlipSnapshot() override { ++discards; }
    int primarySlip() const override { return primary; }
    void setPrimarySlip(int slip) override { primary = slip; }
    void ClearSelection() override;
    // The top-most slip containing the point (zoomed-map), skipping slips
    // noted by a node of a hidden layer.
    int SlipAt(QPoint zoomedMap) const override;
    QRect visibleArea() const override { return visible; }
    void FollowNode(int node) override { followed.push_back(node); }
    void SetNoteCell(int node, const QString& note) override { notes[node] = note; }
    bool PassToInPlaceEditor(EditorCommand command) override
    {
        if (!editing)
            return false;
        editorCommands.push_back(command);
        return true;
    }

    int refreshes = 0, modified = 0, snapshots = 0, discards = 0, clears = 0;
    int primary = -1;
    QRect visible;
    bool editing = false;
    std::vector<EditorCommand> editorCommands;
    std::vector<int> followed;
    std::map<int, QString> notes;

private:
    RouteModel& m_model;
};

// A 1000 x 800 map with one visible layer, ready for slip commands.
struct SlipScene {
    SlipScene(int mapWidth = 1000, int mapHeight = 800);
    // A text slip; `selected` sets its mark.
    int slip(int left, int top, int right, int bottom, bool selected = false,
             const char* text = "");
    void select(std::initializer_list<int> slips);
    RouteModel& model() { return map.model; }

    MapFixture map;
    int layer = 0;
    RecordingSlipHost host;
    SlipCopyBuffer buffer;
    SlipOperations operations;
};

// A JPEG of width x height in one colour, written to `path`.
bool WriteJpeg(const QString& path, int width, int height, QRgb colour = 0xFF3070C0);
QByteArray JpegBytes(int width, int height, QRgb colour = 0xFF3070C0);

} // namespace tavelin::test
