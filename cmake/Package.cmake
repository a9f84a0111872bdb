# A Debian package of what cmake --install puts in place: cpack -G DEB (scripts/package). The
# libraries it depends on are found by dpkg-shlibdeps from the program itself.
set(CPACK_PACKAGE_NAME renvora)
set(CPACK_PACKAGE_VENDOR "Renvora")
set(CPACK_PACKAGE_CONTACT "Renvora developers <renvora@localhost>" CACHE STRING
    "The package's maintainer, as Name <address>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer on a spreadsheet grid / 表格式批量文件改名")
set(CPACK_PACKAGE_DESCRIPTION [[
Renvora lays collected files out in a spreadsheet grid, one row per file,
fills the new names by rules or by hand, and renames the files in place,
copies them under the new names or distributes copies into folders, never
overwriting anything, and can undo the last run.

Renvora 把文件排成表格，一个文件一行，按规则或手工填写新文件名，
然后就地改名、按新文件名复制或分配到多个文件夹；不会覆盖任何文件，
并能撤销上一次改名。]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Without them the window shows Chinese in boxes and Qt's own dialogs in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")

include(CPack)
