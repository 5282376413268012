#include "app/shell/dialogs/WallViewDialogs.h"

#include "app/shell/dialogs/PictureDialogs.h"

void CWallViewDialogs::pipTransparency(CPIPCell& pip) { OpenTransparencyDialog(m_pView, pip); }

void CWallViewDialogs::pictureParameters(CCell& target) { OpenParamDialog(m_pView, target); }

void CWallViewDialogs::pipFineAdjust(CPIPCell& pip) { OpenSubWindowDialog(m_pView, pip); }

// The quick edge-mask dialog works on no window of its own.
void CWallViewDialogs::edgeMask(CCell*) { OpenEdgeMaskDialog(m_pView); }
