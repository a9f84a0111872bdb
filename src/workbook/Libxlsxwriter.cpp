#include "workbook/Libxlsxwriter.h"

#include <dlfcn.h>

#include <optional>

namespace {

template <typename Function> bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Libxlsxwriter> load(QString& error)
{
    void* library = dlopen(RENVORA_XLSXWRITER_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
    if (!library) {
        error = QStringLiteral("无法加载 libxlsxwriter（%1）").arg(QString::fromLocal8Bit(dlerror()));
        return std::nullopt;
    }
    Libxlsxwriter l;
    const bool complete = resolve(library, "workbook_new_opt", l.workbook_new_opt) &&
                          resolve(library, "workbook_add_worksheet", l.workbook_add_worksheet) &&
                          resolve(library, "workbook_add_format", l.workbook_add_format) &&
                          resolve(library, "workbook_set_properties", l.workbook_set_properties) &&
                          resolve(library, "workbook_close", l.workbook_close) &&
                          resolve(library, "format_set_bold", l.format_set_bold) &&
                          resolve(library, "format_set_font_color", l.format_set_font_color) &&
                          resolve(library, "format_set_font_size", l.format_set_font_size) &&
                          resolve(library, "format_set_num_format", l.format_set_num_format) &&
                          resolve(library, "worksheet_set_column", l.worksheet_set_column) &&
                          resolve(library, "worksheet_set_column_pixels", l.worksheet_set_column_pixels) &&
                          resolve(library, "worksheet_set_default_row", l.worksheet_set_default_row) &&
                          resolve(library, "worksheet_write_number", l.worksheet_write_number) &&
                          resolve(library, "worksheet_write_string", l.worksheet_write_string) &&
                          resolve(library, "worksheet_write_blank", l.worksheet_write_blank) &&
                          resolve(library, "lxw_strerror", l.lxw_strerror);
    if (!complete) {
        error = QStringLiteral("libxlsxwriter 版本不符（%1）").arg(QString::fromLocal8Bit(dlerror()));
        return std::nullopt;
    }
    // The library stays loaded for the rest of the program.
    return l;
}

} // namespace

const Libxlsxwriter* Libxlsxwriter::open(QString* error)
{
    static QString loadError;
    static const std::optional<Libxlsxwriter> library = load(loadError);
    if (!library && error)
        *error = loadError;
    return library ? &*library : nullptr;
}
