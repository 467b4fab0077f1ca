#include "SkinControl/skSkin.h"

#include "archive/gPack.h"
#include "archive/gPackUtils.h"
#include "platform/Paths.h"

namespace {

// The file-name part of a path; both separators count.
QString FileNameOf(const QString& path) {
    for (int i = path.size() - 1; i >= 0; --i)
        if (IsSeparator(path.at(i))) return path.mid(i + 1);
    return path;
}

// The name to ask the archive for: relative to the program's folder when
// the path lies inside it, so the archive's entry is found before the disk.
QString ArchiveRequest(const QString& path) {
    const QString native = NativePath(path);
    const QString app = AppFolder();
    if (IsAbsoluteName(path) && native.startsWith(app)) return native.mid(app.size());
    return path;
}

} // namespace

bool TSkSkin::AddSkin(const QString& path) {
    if (path.trimmed().isEmpty()) return false;
    const QString fileName = FileNameOf(path);
    if (FindSkin(fileName)) return false;

    TSkinLink link{fileName, {}};
    // A file found nowhere leaves the link without a skin, silently.
    const QString request = ArchiveRequest(path);
    if (FileExistsInArchive(request)) link.styleSheet = DecodeText(LoadFile(request));
    links.push_back(link);
    return true;
}

const TSkinLink* TSkSkin::FindSkin(const QString& name) const {
    const QString fileName = FileNameOf(name);
    for (const TSkinLink& link : links)
        if (link.fileName.compare(fileName, Qt::CaseInsensitive) == 0) return &link;
    return nullptr;
}
