# The Windows installer (cpack -G NSIS in the build folder):
# "Quillroute-<version>-win64.exe" installs into one program folder
#
#   <program folder>\             the programs, dat\, images\, xcngrate.dat,
#                                 the Qt and runtime DLLs they use, plugins\
#   <program folder>\shared\      the bundled shared data folder (price list)
#
# registers the shared folder for the user under
# HKCU\Software\Orlenk\Common Files "Path" unless one is registered, adds a
# Start-menu entry and an uninstaller.
set(QUILLROUTE_QT_PREFIX "" CACHE PATH "The Qt for Windows whose DLLs the installer carries")
set(QUILLROUTE_MINGW_RUNTIME
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
    /usr/x86_64-w64-mingw32/lib/zlib1.dll
    CACHE STRING "The MinGW runtime DLLs the programs and Qt need")

install(TARGETS quillroute quillroute-check quillroute-export quillroute-quote
                quillroute_register_shared_folder RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/program/ DESTINATION .
        PATTERN ".gitattributes" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample/shared/ DESTINATION shared
        PATTERN ".gitattributes" EXCLUDE)
install(FILES ${QUILLROUTE_MINGW_RUNTIME} DESTINATION .)
# Only what the programs use: five modules, the Windows platform and its
# style, the GIF reader of the splash and the pictures, and the system's TLS
# for the updater. qt.conf tells Qt where its plugins are.
foreach(module Core Gui Widgets Network PrintSupport)
  install(FILES ${QUILLROUTE_QT_PREFIX}/bin/Qt6${module}.dll DESTINATION .)
endforeach()
foreach(plugin platforms/qwindows styles/qwindowsvistastyle imageformats/qgif
               imageformats/qjpeg imageformats/qico tls/qschannelbackend)
  get_filename_component(folder ${plugin} DIRECTORY)
  install(FILES ${QUILLROUTE_QT_PREFIX}/plugins/${plugin}.dll DESTINATION plugins/${folder})
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPlugins = plugins\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)

set(CPACK_PACKAGE_NAME Quillroute)
set(CPACK_PACKAGE_VENDOR "Orlenk")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator and price quoter for RF coaxial cable assemblies")
set(CPACK_PACKAGE_FILE_NAME "Quillroute-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orlenk\\\\Quillroute")
set(CPACK_PACKAGE_EXECUTABLES "quillroute" "Quillroute")
# A 64-bit installer for 64-bit programs (into "Program Files", not its x86
# twin), from NSIS's amd64 stub; the compressor line is where the template
# lets the target be named.
set(CPACK_NSIS_COMPRESSOR "lzma\n  Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Quillroute")
set(CPACK_NSIS_PACKAGE_NAME "Quillroute")
set(CPACK_NSIS_INSTALLED_ICON_NAME "quillroute.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  ReadRegStr $0 HKCU 'Software\\\\Orlenk\\\\Common Files' 'Path'
  StrCmp $0 '' 0 +2
    WriteRegStr HKCU 'Software\\\\Orlenk\\\\Common Files' 'Path' '$INSTDIR\\\\shared'
")
set(CPACK_GENERATOR NSIS)
include(CPack)
