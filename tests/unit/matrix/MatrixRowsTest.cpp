// The rows of the matrix switching dialog: their order, controls and kind codes, how many inputs
// and outputs each lists, and the exact MatrixSwitch call of a switch with its refusal and
// exception messages.
#include "app/core/matrix/MatrixRows.h"
#include "fx/core/Exception.h"
#include "tests/unit/command/RecordingComm.h"

#include <gtest/gtest.h>

namespace {

// A link whose matrix switch raises the serial port's kind of exception.
class ThrowingComm : public RecordingComm {
public:
    int MatrixSwitch(int, int, int, int, int) override { throw new CException(); }
};

MatrixConfig Matrices()
{
    MatrixConfig m;
    m[MATRIX_DVI].devFactory = 3;
    m[MATRIX_DVI].devNo = 5;
    m[MATRIX_VGA].devFactory = 2;
    m[MATRIX_VGA].devNo = 8;
    m[MATRIX_CVBS].devFactory = 1;
    m[MATRIX_CVBS].devNo = 6;
    m[MATRIX_COMMON].devFactory = 4;
    m[MATRIX_COMMON].devNo = 7;
    return m;
}

}  // namespace

TEST(MatrixRows, RowsInTheirOrderWithTheirControlsKindsAndMessages)
{
    const struct { const char* label; UINT in, button, out; MatrixKind matrix; int kind; const char* refused; } rows[] = {
        {"DVI矩阵:", 1007, 1003, 1010, MATRIX_DVI, 2, "DVI矩阵切换失败!"},
        {"VGA矩阵:", 32828, 1005, 1012, MATRIX_VGA, 1, "VGA矩阵切换失败!"},
        {"VIDEO矩阵:", 32831, 1004, 1011, MATRIX_CVBS, 0, "VIDEO矩阵切换失败!"},
        {"通用矩阵:", 32832, 1006, 1013, MATRIX_COMMON, 0, "通用矩阵切换失败!"},
    };
    for (int i = 0; i < MATRIX_ROWS; ++i) {
        const MatrixRow& row = matrixRow(i);
        EXPECT_STREQ(row.lpszLabel, rows[i].label);
        EXPECT_EQ(row.nInputList, rows[i].in);
        EXPECT_EQ(row.nButton, rows[i].button);
        EXPECT_EQ(row.nOutputList, rows[i].out);
        EXPECT_EQ(row.nMatrix, rows[i].matrix);
        EXPECT_EQ(row.nKindCode, rows[i].kind);
        EXPECT_STREQ(row.lpszRefused, rows[i].refused);
    }
    EXPECT_STREQ(matrixRow(MATRIX_ROW_COMMON).lpszException, "通用矩阵切换发生异常!");
    EXPECT_STREQ(matrixOutputText(7), "输出 7");
    EXPECT_STREQ(matrixOutputText(255), "输出 255");
}

TEST(MatrixRows, EachRowListsItsOwnCountBoundedToTheNames)
{
    SystemConfig configured;
    configured.dviInputs = 4;
    configured.vgaInputs = 0;
    configured.cvbsInputs = 255;
    configured.commonInputs = 300;
    EXPECT_EQ(matrixRowListed(configured, MATRIX_ROW_DVI), 4);
    EXPECT_EQ(matrixRowListed(configured, MATRIX_ROW_VGA), 0) << "no inputs: the row is disabled";
    EXPECT_EQ(matrixRowListed(configured, MATRIX_ROW_VIDEO), 255);
    EXPECT_EQ(matrixRowInputCount(configured, MATRIX_ROW_COMMON), 300) << "read as it is";
    EXPECT_EQ(matrixRowListed(configured, MATRIX_ROW_COMMON), 255) << "the names there are";
    configured.commonInputs = -2;
    EXPECT_EQ(matrixRowListed(configured, MATRIX_ROW_COMMON), 0);
}

TEST(MatrixRows, SwitchSendsMakerKindAddressOutputAndInput)
{
    RecordingComm comm;
    const MatrixConfig matrices = Matrices();
    EXPECT_STREQ(switchMatrixRow(&comm, matrices, MATRIX_ROW_DVI, 2, 6), "");
    EXPECT_STREQ(switchMatrixRow(&comm, matrices, MATRIX_ROW_VGA, 0, 0), "");
    EXPECT_STREQ(switchMatrixRow(&comm, matrices, MATRIX_ROW_VIDEO, 1, 254), "");
    EXPECT_STREQ(switchMatrixRow(&comm, matrices, MATRIX_ROW_COMMON, 254, 9), "");
    EXPECT_EQ(comm.Joined(), "MatrixSwitch(3,2,5,7,3) MatrixSwitch(2,1,8,1,1) MatrixSwitch(1,0,6,255,2) "
                             "MatrixSwitch(4,0,7,10,255)");
}

TEST(MatrixRows, ARefusalOrAnExceptionGivesTheRowsMessage)
{
    RecordingComm comm;
    comm.respond = [](const std::string&, int) { return 3; };
    const MatrixConfig matrices = Matrices();
    EXPECT_STREQ(switchMatrixRow(&comm, matrices, MATRIX_ROW_VGA, 0, 0), "VGA矩阵切换失败!");
    EXPECT_STREQ(switchMatrixRow(nullptr, matrices, MATRIX_ROW_DVI, 0, 0), "DVI矩阵切换失败!") << "no link";
    ThrowingComm throwing;
    EXPECT_STREQ(switchMatrixRow(&throwing, matrices, MATRIX_ROW_VIDEO, 0, 0), "VIDEO矩阵切换发生异常!");
    EXPECT_STREQ(switchMatrixRow(&throwing, matrices, MATRIX_ROW_COMMON, 0, 0), "通用矩阵切换发生异常!");
}
