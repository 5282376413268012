#include "app/core/command/CommandWallServices.h"

#include "app/core/command/CommandConfig.h"
#include "app/core/command/CommandRunner.h"
#include "app/core/command/CommandState.h"
#include "app/core/command/PipCommands.h"
#include "app/core/command/TargetCommands.h"
#include "app/core/wall/Cell.h"
#include "fx/core/Exception.h"

namespace {

int RunShown(DeviceCommand& command, CString* message)
{
    const int result = runWithProgress(command);
    if (result != RUN_OK && message)
        *message = command.Message();
    return result == RUN_OK ? WALL_RUN_OK : WALL_RUN_FAILED;
}

}  // namespace

int CommandWallServices::mpdCount() const
{
    return CommandConfig::Current().MpdCount();
}

void CommandWallServices::subGrid(int* rows, int* columns) const
{
    CommandConfig::Current().SubGrid(rows, columns);
}

void CommandWallServices::mpdPixelSize(int* width, int* height) const
{
    CommandConfig::Current().MpdPixelSize(width, height);
}

CString CommandWallServices::matrixInputName(int inputType, int inputNo) const
{
    return CommandConfig::Current().MatrixInputName(inputType, inputNo);
}

int CommandWallServices::openPip(CPIPCell& pip, CString* message)
{
    CPipSwitchCommand command(pip.number(), true);
    return RunShown(command, message);
}

int CommandWallServices::closePip(CPIPCell& pip, CString* message)
{
    CPipSwitchCommand command(pip.number(), false);
    return RunShown(command, message);
}

int CommandWallServices::decompose(CCombineCell& cell, CString* message)
{
    CDecomposeCommand command(&cell);
    return RunShown(command, message);
}

void CommandWallServices::sendPipGeometry(int number, int x, int y, int width, int height)
{
    // The geometry follows an operator's edit (a window added, dragged or placed), which offline
    // changes the model only, as every command behind the progress window does.
    if (g_nOnline == 0)
        return;
    SendPipGeometry(number, x, y, width, height);
}

void CommandWallServices::showMessage(LPCSTR text)
{
    ShowCommandMessage(text, MB_OK);
}
