// libFuzzer target for the data file reader: any input is either refused
// (an empty model, no crash, no read past the end) or read into a model that
// writes back to a stable file.
#include "platform/Messages.h"
#include "document/DataFile.h"
#include "model/RouteModel.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentMessages : public tavelin::MessageService {
public:
    int show(int, const QString&, const QString&, tavelin::MessageStyle, QObject*) override
    {
        return tavelin::IDOK;
    }
};

tavelin::RouteModel& Model()
{
    static tavelin::RouteModel model;
    if (!model.isAllocated() && !model.Allocate())
        std::abort();
    return model;
}

QByteArray Write(const tavelin::RouteModel& model)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!tavelin::DataFileWriter(out, model))
        std::abort();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static SilentMessages silent;
    tavelin::SetMessageService(&silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tavelin::RouteModel& model = Model();
    QBuffer in;
    in.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    in.open(QIODevice::ReadOnly);
    const tavelin::DataFileResult result = tavelin::ReadDataFile(in, model);
    if (!result.ok()) {
        if (model.layerCount != 0 || model.nodeCount != 0 || model.slipCount != 0 || model.mapPicture)
            std::abort(); // a refusal must leave an empty model
        return 0;
    }
    // What was accepted must survive a save and a second open unchanged.
    const QByteArray first = Write(model);
    QBuffer again;
    again.setData(first);
    again.open(QIODevice::ReadOnly);
    if (!tavelin::ReadDataFile(again, model).ok() || Write(model) != first) {
        std::fprintf(stderr, "round trip changed the data file\n");
        std::abort();
    }
    return 0;
}
