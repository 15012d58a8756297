// The string table and the accelerator table.
#include "resources/resource_ids.h"
#include "resources/resource_table.h"

namespace resources {

LPCWSTR findString(int id) {
    switch (id) {
    case IDS_TITLE:
        return u"Дурак";
    case IDS_CLASS_NAME:
        return u"ДУРАК";
    default:
        return nullptr;
    }
}

const ACCEL* findAccelerators(int id, int* count) {
    // "/" is matched as a typed character, so it works whatever key the
    // keyboard layout puts it on; N and F4 are matched as keys.
    static const ACCEL mainTable[] = {
        {FALT, u'/', IDM_ABOUT},
        {FVIRTKEY | FALT, u'N', IDM_NEW_GAME},
        {FVIRTKEY | FALT, VK_F4, IDM_EXIT},
    };
    if (id != IDA_MAIN) {
        if (count != nullptr) {
            *count = 0;
        }
        return nullptr;
    }
    if (count != nullptr) {
        *count = static_cast<int>(sizeof mainTable / sizeof mainTable[0]);
    }
    return mainTable;
}

} // namespace resources
