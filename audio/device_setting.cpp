// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_setting.h"

#include "file_write.h"

#include <QByteArray>
#include <fstream>

int ReadDeviceNumber(const std::string& root)
{
    if (!IsReadableRegularFile(root + "/config.ini"))
        return -1;
    std::ifstream in(root + "/config.ini");
    int device = -1;
    if (!(in >> device))
        return -1;
    return device;
}

bool WriteDeviceNumber(int device, const std::string& root, std::string* error)
{
    return WriteFileWhole(root + "/config.ini", QByteArray::number(device) + '\n', error);
}
