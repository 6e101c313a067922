#pragma once

// Resource and command ids; the numbers follow the framework's numbering.
constexpr int IDR_MAINFRAME = 128;

constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_APP_ABOUT = 57664;
