#include "app/core/scene/SceneFile.h"

#include <windows.h>

// MoveFileA refuses an existing target; replacing asks for it, and write-through makes the
// replacement itself reach the disk before the call returns.
BOOL replaceSceneFile(LPCSTR source, LPCSTR target)
{
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
