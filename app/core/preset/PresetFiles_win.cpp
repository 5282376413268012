#include "app/core/preset/PresetFiles.h"

#include "fx/core/String.h"

bool removePresetFile(LPCSTR path)
{
    return ::DeleteFileW(CString(path).ToWide().c_str()) != FALSE;
}
