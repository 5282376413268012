#include "fx/win/ThreadState.h"

#include "fx/win/Menu.h"
#include "fx/win/Wnd.h"

namespace fx::detail {

ThreadState::~ThreadState() { DeleteTempMaps(); }

ThreadState& State()
{
    thread_local ThreadState state;
    return state;
}

void DeleteTempMaps()
{
    ThreadState& s = State();
    // Swap first: a wrapper's destructor may ask for another wrapper.
    std::unordered_map<HWND, CWnd*> wnds;
    wnds.swap(s.tempWnds);
    for (auto& entry : wnds) {
        entry.second->m_hWnd = nullptr;  // the window is not ours to destroy
        delete entry.second;
    }
    std::unordered_map<HMENU, CMenu*> menus;
    menus.swap(s.tempMenus);
    for (auto& entry : menus) {
        entry.second->Detach();
        delete entry.second;
    }
}

}  // namespace fx::detail
