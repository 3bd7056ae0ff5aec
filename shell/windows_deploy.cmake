# A Windows build runs in place: beside the program lie the Qt libraries and plugins it loads
# and the compiler's runtime libraries (the posix thread model's). The tests, built into tests/,
# get the same set with Qt Test and the offscreen platform.
set(OSTRELIN_MINGW_RUNTIME_DIR /usr/lib/gcc/x86_64-w64-mingw32/12-posix CACHE PATH
    "Folder of the mingw-w64 C++ runtime libraries")
set(OSTRELIN_MINGW_THREADS_DIR /usr/x86_64-w64-mingw32/lib CACHE PATH
    "Folder of the mingw-w64 thread library")
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
set(qt_plugins ${qt_bin}/../plugins)

# name in the program folder -> file; what the program itself loads
set(OSTRELIN_WINDOWS_RUNTIME
    Qt6Core.dll=${qt_bin}/Qt6Core.dll
    Qt6Gui.dll=${qt_bin}/Qt6Gui.dll
    Qt6Widgets.dll=${qt_bin}/Qt6Widgets.dll
    platforms/qwindows.dll=${qt_plugins}/platforms/qwindows.dll
    styles/qwindowsvistastyle.dll=${qt_plugins}/styles/qwindowsvistastyle.dll
    imageformats/qico.dll=${qt_plugins}/imageformats/qico.dll
    libgcc_s_seh-1.dll=${OSTRELIN_MINGW_RUNTIME_DIR}/libgcc_s_seh-1.dll
    libstdc++-6.dll=${OSTRELIN_MINGW_RUNTIME_DIR}/libstdc++-6.dll
    libwinpthread-1.dll=${OSTRELIN_MINGW_THREADS_DIR}/libwinpthread-1.dll)
set(OSTRELIN_WINDOWS_TEST_RUNTIME ${OSTRELIN_WINDOWS_RUNTIME}
    Qt6Test.dll=${qt_bin}/Qt6Test.dll
    platforms/qoffscreen.dll=${qt_plugins}/platforms/qoffscreen.dll)

# The COMMAND lines that copy each "name=file" entry to folder/name.
function(ostrelin_copy_commands out folder)
    set(commands)
    foreach(entry ${ARGN})
        string(REPLACE "=" ";" pair ${entry})
        list(GET pair 0 name)
        list(GET pair 1 file)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${folder}/${name})
    endforeach()
    set(${out} ${commands} PARENT_SCOPE)
endfunction()

function(ostrelin_deploy_runtime target folder)
    ostrelin_copy_commands(commands ${folder} ${ARGN})
    add_custom_command(TARGET ${target} POST_BUILD ${commands} VERBATIM)
endfunction()

ostrelin_deploy_runtime(ostrelin-calculator $<TARGET_FILE_DIR:ostrelin-calculator>
                        ${OSTRELIN_WINDOWS_RUNTIME})
