#include "app/core/profile/ProfilePaths.h"

namespace {

bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\';
#else
    return c == '\\' || c == '/';
#endif
}

}  // namespace

CString directoryOf(const CString& modulePath)
{
    int cut = -1;
    for (int i = 0; i < modulePath.GetLength();) {
        if (isSeparator(modulePath[i]))
            cut = i;
        i += CString::IsLeadByte(static_cast<unsigned char>(modulePath[i])) && i + 1 < modulePath.GetLength() ? 2 : 1;
    }
    CString directory = cut < 0 ? modulePath : modulePath.Left(cut);
    while (directory.GetLength() > 0 && isSeparator(directory[directory.GetLength() - 1]))
        directory = directory.Left(directory.GetLength() - 1);
    return directory;
}

const CString& programDirectory()
{
    static const CString directory = [] {
        char path[MAX_PATH + 1] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        return directoryOf(CString(path));
    }();
    return directory;
}

bool ensureFolder(const CString& path)
{
    const int length = path.GetLength();
    for (int i = 0; i <= length;) {
        const bool atEnd = i == length;
        if (atEnd || isSeparator(path[i])) {
            const CString prefix = path.Left(i);
            if (!prefix.IsEmpty() && !folderExists(prefix) && !createFolder(prefix))
                return false;
            if (atEnd)
                break;
        }
        i += CString::IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < length ? 2 : 1;
    }
    return true;
}
