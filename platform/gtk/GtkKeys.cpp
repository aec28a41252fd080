#include "tessel/platform/gtk/GtkKeys.h"

#include "tessel/platform/Messages.h"

#include <gdk/gdkkeysyms.h>

namespace tessel {

uint32_t VirtualKeyFromKeyval(unsigned keyval)
{
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
        return 'A' + (keyval - GDK_KEY_a);
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
        return 'A' + (keyval - GDK_KEY_A);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return '0' + (keyval - GDK_KEY_0);
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
        return VK_F1 + (keyval - GDK_KEY_F1);
    switch (keyval) {
    case GDK_KEY_BackSpace:
        return VK_BACK;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
        return VK_TAB;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
        return VK_RETURN;
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R:
        return VK_SHIFT;
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R:
        return VK_CONTROL;
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R:
    case GDK_KEY_Meta_L:
    case GDK_KEY_Meta_R:
        return VK_MENU;
    case GDK_KEY_Escape:
        return VK_ESCAPE;
    case GDK_KEY_Pause:
        return VK_PAUSE;
    case GDK_KEY_space:
        return VK_SPACE;
    case GDK_KEY_Page_Up:
        return VK_PRIOR;
    case GDK_KEY_Page_Down:
        return VK_NEXT;
    case GDK_KEY_End:
        return VK_END;
    case GDK_KEY_Home:
        return VK_HOME;
    case GDK_KEY_Left:
        return VK_LEFT;
    case GDK_KEY_Up:
        return VK_UP;
    case GDK_KEY_Right:
        return VK_RIGHT;
    case GDK_KEY_Down:
        return VK_DOWN;
    case GDK_KEY_Insert:
        return VK_INSERT;
    case GDK_KEY_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

} // namespace tessel
