// The only file that sees glib: libgcab does the cabinet format.
#include "document/Cabinet.h"

#include "platform/Messages.h"
#include "platform/Cp932.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <libgcab.h>

#include <sys/stat.h>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace tavelin {

QString dataFileName;

namespace {

constexpr int MsgPackFailed = 30035;
constexpr int MsgUnpackFailed = 30036;

// Cabinet attribute bits (as the Windows file attributes).
constexpr guint32 AttrReadOnly = 0x01;
constexpr guint32 AttrArchive = 0x20;
constexpr guint32 AttrNameIsUtf8 = 0x80;

template <typename T> struct GUnref {
    void operator()(T* p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, GUnref<T>>;

struct GErrorFree {
    GError* error = nullptr;
    ~GErrorFree()
    {
        if (error)
            g_error_free(error);
    }
};

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Member names are ANSI (CP932) in cabinets made on Windows, unless the
// cabinet marks them UTF-8.
QString DecodeMemberName(GCabFile* file)
{
    const QByteArray raw(gcab_file_get_name(file));
    if (gcab_file_get_attributes(file) & AttrNameIsUtf8)
        return QString::fromUtf8(raw);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8(raw);
    if (!utf8.hasError())
        return asUtf8;
    return cp932::Decode(raw);
}

// The member's path below the extraction folder, "/" between folders.
QString RelativeMemberPath(const QString& name)
{
    QStringList parts;
    for (const QString& part : QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/')))
        if (!part.isEmpty() && part != QLatin1String("."))
            parts << part;
    return parts.join(QLatin1Char('/'));
}

// DOS times hold local wall-clock fields; the GDateTime carries them as is.
GDateTime* DosFieldsOf(const QDateTime& local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    return g_date_time_new_utc(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

QDateTime LocalTimeOf(GDateTime* fields)
{
    if (!fields)
        return {};
    return QDateTime(QDate(g_date_time_get_year(fields), g_date_time_get_month(fields),
                           g_date_time_get_day_of_month(fields)),
                     QTime(g_date_time_get_hour(fields), g_date_time_get_minute(fields),
                           g_date_time_get_second(fields)));
}

QFileDevice::Permissions NewFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions p;
    if (mode & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & S_IRGRP) p |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP) p |= QFileDevice::WriteGroup;
    if (mode & S_IROTH) p |= QFileDevice::ReadOther;
    if (mode & S_IWOTH) p |= QFileDevice::WriteOther;
    return p;
}

bool WriteCabinet(const QString& sourcePath, const QString& memberName, const QString& tempPath)
{
    const QFileInfo source(sourcePath);
    if (!source.isFile())
        return false;
    GPtr<GFile> sourceFile(g_file_new_for_path(Native(sourcePath).constData()));
    GPtr<GCabFile> member(gcab_file_new_with_file(memberName.toUtf8().constData(), sourceFile.get()));
    GErrorFree err;
    GPtr<GCabFolder> folder(gcab_folder_new(GCAB_COMPRESSION_MSZIP));
    if (!gcab_folder_add_file(folder.get(), member.get(), FALSE, nullptr, &err.error))
        return false;
    // Set after adding, which fills them in from the file itself. The data
    // file is always one we have just written, so it is never read-only;
    // gcab writes the archive bit.
    if (!std::all_of(memberName.begin(), memberName.end(), [](QChar c) { return c.unicode() < 0x80; }))
        gcab_file_set_attributes(member.get(), AttrArchive | AttrNameIsUtf8);
    if (GDateTime* time = DosFieldsOf(source.lastModified().toLocalTime())) {
        gcab_file_set_date_time(member.get(), time);
        g_date_time_unref(time);
    }

    GPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), &err.error))
        return false;

    // Opened read-write on the existing (empty) temporary file: the stream
    // must be seekable, and the file keeps the permissions set on it.
    GPtr<GFile> target(g_file_new_for_path(Native(tempPath).constData()));
    GPtr<GFileIOStream> io(g_file_open_readwrite(target.get(), nullptr, &err.error));
    if (!io)
        return false;
    GOutputStream* out = g_io_stream_get_output_stream(G_IO_STREAM(io.get()));
    const bool written = gcab_cabinet_write_simple(cabinet.get(), out, nullptr, nullptr, nullptr, &err.error);
    const bool closed = g_io_stream_close(G_IO_STREAM(io.get()), nullptr, written ? &err.error : nullptr);
    return written && closed;
}

struct ExtractState {
    QStringList names;   // decoded names, in cabinet order
    int next = 0;        // index of the member the callback sees next
    QStringList* written = nullptr;
};

gboolean OnExtractFile(GCabFile* file, gpointer data)
{
    auto* state = static_cast<ExtractState*>(data);
    const QString name = state->next < state->names.size() ? state->names[state->next] : DecodeMemberName(file);
    ++state->next;
    const QString relative = RelativeMemberPath(name);
    gcab_file_set_extract_name(file, relative.toUtf8().constData());
    dataFileName = relative;
    if (state->written)
        state->written->append(relative);
    return TRUE;
}

} // namespace

bool IsSafeMemberName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        return false;
    if (name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter())
        return false;
    const QStringList parts = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part == QLatin1String(".."))
            return false;
    return !RelativeMemberPath(name).isEmpty();
}

bool PackDocument(const QString& sourcePath, const QString& memberName, const QString& cabinetPath)
{
    const QFileInfo target(cabinetPath);
    QTemporaryFile temp(target.absolutePath() + QLatin1String("/.") + target.fileName() + QLatin1String(".XXXXXX"));
    temp.setAutoRemove(false);
    bool ok = temp.open();
    const QString tempPath = temp.fileName();
    temp.close();
    if (ok) {
        QFile::setPermissions(tempPath, target.exists() ? QFile::permissions(cabinetPath) : NewFilePermissions());
        ok = WriteCabinet(sourcePath, memberName, tempPath)
             && std::rename(Native(tempPath).constData(), Native(cabinetPath).constData()) == 0;
        if (!ok)
            QFile::remove(tempPath);
    }
    if (!ok)
        ShowMessage(MsgPackFailed, nullptr, {}, MessageStyle::Information);
    return ok;
}

QStringList CabinetMemberNames(const QString& cabinetPath)
{
    QStringList names;
    GErrorFree err;
    GPtr<GFile> file(g_file_new_for_path(Native(cabinetPath).constData()));
    GPtr<GFileInputStream> in(g_file_read(file.get(), nullptr, &err.error));
    if (!in)
        return names;
    GPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    if (!gcab_cabinet_load(cabinet.get(), G_INPUT_STREAM(in.get()), nullptr, &err.error))
        return names;
    GPtrArray* folders = gcab_cabinet_get_folders(cabinet.get());
    for (guint i = 0; folders && i < folders->len; ++i) {
        auto* folder = static_cast<GCabFolder*>(g_ptr_array_index(folders, i));
        GSList* files = gcab_folder_get_files(folder);
        for (GSList* f = files; f; f = f->next)
            names << DecodeMemberName(static_cast<GCabFile*>(f->data));
        g_slist_free(files);
    }
    return names;
}

bool UnpackDocument(const QString& cabinetPath, const QString& destinationFolder, QStringList* extracted)
{
    auto fail = [](const char* where) {
        ShowMessage(MsgUnpackFailed, nullptr, QLatin1String(where) + QLatin1Char('\n'), MessageStyle::Error);
        return false;
    };

    GErrorFree err;
    GPtr<GFile> file(g_file_new_for_path(Native(cabinetPath).constData()));
    GPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    if (!cabinet)
        return fail("[Make Context]");
    GPtr<GFileInputStream> in(g_file_read(file.get(), nullptr, &err.error));
    if (!in || !gcab_cabinet_load(cabinet.get(), G_INPUT_STREAM(in.get()), nullptr, &err.error))
        return fail("[File Copy]");

    // Check every name before writing anything: one bad member refuses the
    // cabinet, so nothing lands outside the destination.
    ExtractState state;
    state.written = extracted;
    struct Member {
        GCabFile* file;
        QString relative;
    };
    std::vector<Member> members;
    GPtrArray* folders = gcab_cabinet_get_folders(cabinet.get());
    for (guint i = 0; folders && i < folders->len; ++i) {
        auto* folder = static_cast<GCabFolder*>(g_ptr_array_index(folders, i));
        GSList* files = gcab_folder_get_files(folder);
        for (GSList* f = files; f; f = f->next) {
            auto* member = static_cast<GCabFile*>(f->data);
            const QString name = DecodeMemberName(member);
            state.names << name;
            members.push_back({member, RelativeMemberPath(name)});
        }
        g_slist_free(files);
    }
    for (const QString& name : state.names)
        if (!IsSafeMemberName(name))
            return fail("[File Copy]");
    if (members.empty())
        return fail("[File Copy]");

    const QDir destination(destinationFolder);
    for (const Member& m : members) {
        const QString parent = QFileInfo(destination.filePath(m.relative)).absolutePath();
        if (!QDir().mkpath(parent))
            return fail("[File Copy]");
        // A read-only file left by an earlier extraction would block this one.
        QFile::remove(destination.filePath(m.relative));
    }

    GPtr<GFile> folder(g_file_new_for_path(Native(destinationFolder).constData()));
    if (!gcab_cabinet_extract_simple(cabinet.get(), folder.get(), OnExtractFile, &state, nullptr, &err.error))
        return fail("[File Copy]");

    for (const Member& m : members) {
        const QString path = destination.filePath(m.relative);
        GDateTime* time = gcab_file_get_date_time(m.file);
        const QDateTime when = LocalTimeOf(time);
        if (time)
            g_date_time_unref(time);
        QFile f(path);
        if (when.isValid() && f.open(QIODevice::ReadWrite)) {
            f.setFileTime(when, QFileDevice::FileModificationTime);
            f.setFileTime(when, QFileDevice::FileBirthTime); // not settable everywhere
            f.close();
        }
        if (gcab_file_get_attributes(m.file) & AttrReadOnly)
            f.setPermissions(f.permissions()
                             & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup
                                 | QFileDevice::WriteOther));
    }
    return true;
}

} // namespace tavelin
