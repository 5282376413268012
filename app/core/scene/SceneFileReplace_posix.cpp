#include "app/core/scene/SceneFile.h"

#include <cstdio>

// rename replaces an existing target atomically on the same file system.
BOOL replaceSceneFile(LPCSTR source, LPCSTR target)
{
    return std::rename(source, target) == 0 ? TRUE : FALSE;
}
