#include "app/core/matrix/MatrixRows.h"

#include "comm/Comm.h"
#include "fx/core/Exception.h"

namespace {

const MatrixRow ROWS[MATRIX_ROWS] = {
    {"DVI矩阵:", 1007, 1003, 1010, MATRIX_DVI, 2, "DVI矩阵切换失败!", "DVI矩阵切换发生异常!"},
    {"VGA矩阵:", 32828, 1005, 1012, MATRIX_VGA, 1, "VGA矩阵切换失败!", "VGA矩阵切换发生异常!"},
    {"VIDEO矩阵:", 32831, 1004, 1011, MATRIX_CVBS, 0, "VIDEO矩阵切换失败!", "VIDEO矩阵切换发生异常!"},
    {"通用矩阵:", 32832, 1006, 1013, MATRIX_COMMON, 0, "通用矩阵切换失败!", "通用矩阵切换发生异常!"},
};

}  // namespace

const MatrixRow& matrixRow(int nRow)
{
    return ROWS[nRow >= 0 && nRow < MATRIX_ROWS ? nRow : 0];
}

int matrixRowInputCount(const SystemConfig& configured, int nRow)
{
    switch (matrixRow(nRow).nMatrix) {
    case MATRIX_DVI: return configured.dviInputs;
    case MATRIX_VGA: return configured.vgaInputs;
    case MATRIX_CVBS: return configured.cvbsInputs;
    default: return configured.commonInputs;
    }
}

int matrixRowListed(const SystemConfig& configured, int nRow)
{
    return listedMatrixInputs(matrixRowInputCount(configured, nRow));
}

CString matrixOutputText(int nOutput)
{
    CString text;
    text.Format("输出 %d", nOutput);
    return text;
}

CString switchMatrixRow(CComm* pComm, const MatrixConfig& matrices, int nRow, int nInputIndex, int nOutputIndex)
{
    const MatrixRow& row = matrixRow(nRow);
    if (pComm == nullptr)
        return row.lpszRefused;
    const MatrixBlock& block = matrices[row.nMatrix];
    try {
        if (pComm->MatrixSwitch(block.devFactory, row.nKindCode, block.devNo, nOutputIndex + 1, nInputIndex + 1) != 0)
            return row.lpszRefused;
    } catch (CException* e) {
        // The serial port raises its exception by pointer; the catcher deletes it.
        e->Delete();
        return row.lpszException;
    } catch (...) {
        return row.lpszException;
    }
    return CString();
}
