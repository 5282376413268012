#include "app/core/scene/SceneController.h"

#include "app/core/wall/Cell.h"
#include "app/core/wall/WallServices.h"
#include "fx/core/File.h"

#include <memory>
#include <new>

SceneController::SceneController(CCellObjImp& wall, SceneHost& host)
    : m_wall(wall), m_host(host), m_bInvalidFile(FALSE)
{
}

void SceneController::showRefusal(int result, const CString& message)
{
    if (result != WALL_RUN_OK)
        m_host.showMessage(message);
}

BOOL SceneController::save(LPCSTR path, BOOL report)
{
    SceneHeader header;
    header.geometry = m_host.workingGeometry();
    const BOOL saved = saveSceneFile(path, header, m_wall);
    // Writing cleared every selection; show that.
    m_host.repaintAll();
    if (!saved) {
        if (report)
            m_host.showMessage("保存场景文件失败!");
        return FALSE;
    }
    m_host.writeRecent(path);
    return TRUE;
}

BOOL SceneController::saveScene(LPCSTR path) { return save(path, TRUE); }

BOOL SceneController::saveSceneSilently(LPCSTR path) { return save(path, FALSE); }

BOOL SceneController::loadScene(LPCSTR path, BOOL send)
{
    // The file is read into a new wall and new header values; the current scene and the working
    // geometry change only once the whole file has been read and has passed every check.
    SceneHeader header;
    std::unique_ptr<CCellObjImp> loaded(new (std::nothrow) CCellObjImp);
    m_bInvalidFile = FALSE;
    try {
        if (!loaded)
            AfxThrowMemoryException();
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, SceneHeader::kArchiveBufferSize);
        readSceneHeader(ar, &header);
        if (!header.isValid()) {
            m_bInvalidFile = TRUE;
            m_host.showMessage("非法的场景文件!");
        } else {
            readSceneCells(ar, *loaded);
        }
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        m_bInvalidFile = TRUE;
        m_host.showMessage("非法的场景文件,加载失败!");
        return FALSE;
    }

    if (m_bInvalidFile) {
        m_host.showMessage("非法的场景文件，加载失败!");
        resetScene();
        return FALSE;
    }
    const CString mismatch = mismatchMessage(header.geometry);
    if (!mismatch.IsEmpty()) {
        m_host.showMessage(mismatch);
        resetScene();
        return FALSE;
    }

    m_host.setWorkingGeometry(header.geometry);
    m_wall.takeCellsFrom(*loaded);
    m_host.clearInteraction();
    m_host.repaintAll();

    if (send) {
        CString message;
        showRefusal(m_host.restoreScene(m_wall.cells(), &message), message);
        m_host.writeRecent(path);
    }
    return TRUE;
}

CString SceneController::mismatchMessage(const SceneGeometry& loaded) const
{
    const SceneGeometry configured = m_host.configuredGeometry();
    CString text;
    if (configured.rows != loaded.rows || configured.columns != loaded.columns) {
        text.Format("当前场景为:%dx%d,加载场景为:%dx%d\n当前场景与加载场景屏数目不一致,加载失败!",
                    configured.rows, configured.columns, loaded.rows, loaded.columns);
    } else if (configured.mpdCount != loaded.mpdCount) {
        text.Format("当前场景MPD为:%d,加载场景MPD为:%d\n当前场景与加载场景MPD数目不一致,加载失败!",
                    configured.mpdCount, loaded.mpdCount);
    } else if (configured.resolution != loaded.resolution) {
        text.Format("当前分辨率为:%s,加载分辨率为:%s\n当前分辨率与加载分辨率不一致,加载失败!",
                    static_cast<LPCSTR>(m_host.resolutionName(configured.resolution)),
                    static_cast<LPCSTR>(m_host.resolutionName(loaded.resolution)));
    }
    return text;
}

BOOL SceneController::blankSceneSteps()
{
    m_host.clearInteraction();
    m_host.copyConfiguredToWorking();

    const SceneGeometry working = m_host.workingGeometry();
    m_wall.setLayout(working.columns, working.rows, m_host.clientRect());
    m_host.repaintAll();

    CString message;
    // A refused "新建场景" is reported and the sequence goes on.
    showRefusal(m_host.sendNewScene(&message), message);
    message.Empty();
    const int position = m_host.sendSetPosition(&message);
    if (position != WALL_RUN_OK) {
        m_host.showMessage(message);
        return FALSE;
    }
    message.Empty();
    showRefusal(m_host.sendResolution(m_wall.cells(), &message), message);
    return TRUE;
}

void SceneController::resetScene()
{
    if (!blankSceneSteps())
        return;
    m_host.writeRecent(m_host.newScenePath());
}

void SceneController::newScene()
{
    // The split commands set the working MPD count (and the sub-grid) just before calling this;
    // the blank scene then puts the configured copy back, which bounds the windows added.
    const int windows = m_host.workingGeometry().mpdCount;
    if (!blankSceneSteps())
        return;

    CCell* cell = m_wall.cellAt({kNewSceneX, kNewSceneY});
    m_host.setCurrentCell(cell);
    if (cell != nullptr) {
        // The view's MPD toggle: a fresh cell is never a region yet.
        cell->setMpd(TRUE);
        m_wall.invalidateRect(cell->rect(), TRUE);
        CString message;
        showRefusal(m_host.sendMpdAssign(*cell, &message), message);
    }
    if (m_host.currentCell() != nullptr) {
        for (int i = 0; i < windows; ++i) {
            m_wall.addPipTo(m_host.currentCell());
            m_host.pause(kNewScenePipPause);
        }
    }
    m_host.writeRecent(m_host.newScenePath());
}

void SceneController::loadAtStartup()
{
    CString path;
    if (m_host.readRecent(&path))
        loadScene(path, FALSE);
    else
        resetScene();
}

void SceneController::saveAtExit()
{
    CString path;
    if (!m_host.readRecent(&path))
        path = m_host.newScenePath();
    saveSceneSilently(path);
}

void SceneController::rememberFolder(LPCSTR path)
{
    const CString text(path);
    const int slash = text.ReverseFind('\\');
    m_strLastFolder = slash >= 0 ? text.Left(slash) : CString();
}
