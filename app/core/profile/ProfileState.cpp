#include "app/core/profile/ProfileState.h"

#include "app/core/profile/ProfileStore.h"

SystemConfig& configuredSystem()
{
    static SystemConfig config;
    return config;
}

SystemConfig& workingSystem()
{
    static SystemConfig config;
    return config;
}

MatrixConfig& matrixConfig()
{
    static MatrixConfig config;
    return config;
}

MpdSubGrid& mpdSubGrid()
{
    static MpdSubGrid grid;
    return grid;
}

void readStartupProfiles(ProfileStore& store)
{
    store.readSystem(configuredSystem());
    store.readMatrices(matrixConfig());
    store.readSystem(workingSystem());
    store.readSubGrid(&mpdSubGrid().rows, &mpdSubGrid().columns);
}
