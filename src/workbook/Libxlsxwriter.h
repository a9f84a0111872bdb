#pragma once

#include <QString>

#include <xlsxwriter.h>

// The libxlsxwriter functions the workbook writer calls, from the library opened at run time.
//
// QuaZip, which the workbook reader uses, carries its own altered copy of minizip and exports
// it under minizip's names. Linked into one program with libxlsxwriter, libxlsxwriter's calls
// to minizip would land in QuaZip's copy and crash on closing the workbook. Opened with
// RTLD_DEEPBIND, libxlsxwriter binds to its own dependencies before anything already loaded.
struct Libxlsxwriter
{
    decltype(&::workbook_new_opt) workbook_new_opt = nullptr;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
    decltype(&::workbook_add_format) workbook_add_format = nullptr;
    decltype(&::workbook_set_properties) workbook_set_properties = nullptr;
    decltype(&::workbook_close) workbook_close = nullptr;
    decltype(&::format_set_bold) format_set_bold = nullptr;
    decltype(&::format_set_font_color) format_set_font_color = nullptr;
    decltype(&::format_set_font_size) format_set_font_size = nullptr;
    decltype(&::format_set_num_format) format_set_num_format = nullptr;
    decltype(&::worksheet_set_column) worksheet_set_column = nullptr;
    decltype(&::worksheet_set_column_pixels) worksheet_set_column_pixels = nullptr;
    decltype(&::worksheet_set_default_row) worksheet_set_default_row = nullptr;
    decltype(&::worksheet_write_number) worksheet_write_number = nullptr;
    decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
    decltype(&::worksheet_write_blank) worksheet_write_blank = nullptr;
    decltype(&::lxw_strerror) lxw_strerror = nullptr;

    // The library, opened on first use; nullptr when it cannot be, with the reason in Chinese.
    static const Libxlsxwriter* open(QString* error);
};
