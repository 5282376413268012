// The defaults of the caption-button host interface: nothing to lay out, no capture, no images,
// clicks ignored.
#include "skin/core/WinSink.h"

void ILuWinSink::OnReLayout(POINT) {}

BOOL ILuWinSink::IsCapture() { return FALSE; }

void ILuWinSink::Capture() {}

void ILuWinSink::RelsCapture() {}

CImageList* ILuWinSink::GetImage() { return nullptr; }

void ILuWinSink::OnClick(UINT) {}
