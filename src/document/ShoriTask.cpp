#include "document/ShoriTask.h"

#include "document/Cabinet.h"

namespace tavelin {
namespace {

ShoriRunner& Runner()
{
    static ShoriRunner runner;
    return runner;
}

} // namespace

bool PerformShoriTask(ShoriTask& task)
{
    // The paths are used whole: cutting them to a fixed length would point
    // the work at a different file.
    if (task.mode == ShoriTask::Pack)
        return PackDocument(task.packSource, task.packName, task.packFolder + task.packName);
    task.extracted.clear();
    return UnpackDocument(task.unpackFolder + task.unpackName, task.unpackDestination, &task.extracted);
}

bool RunShori(ShoriTask& task)
{
    if (Runner())
        return Runner()(task);
    return PerformShoriTask(task);
}

void SetShoriRunner(ShoriRunner runner) { Runner() = std::move(runner); }

} // namespace tavelin
