// Stand-ins for TzComm.dll that fail the way a broken installation can: built once without the
// CreateComm export (FAKE_TZCOMM_NO_EXPORT) and once with a CreateComm that returns no object.
// Each counts how often it was asked for an object.

#ifdef _WIN32
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

static int g_creations = 0;

FAKE_EXPORT int FakeCreations() { return g_creations; }

#ifndef FAKE_TZCOMM_NO_EXPORT
FAKE_EXPORT void* CreateComm()
{
    ++g_creations;
    return nullptr;
}
#endif
