# The program: main() and the real services it gives the main window. Dependencies run one way,
# engine <- platform <- main_module (Main) <- mainwindow <- the program; nothing links back up.
qt_add_executable(ostrelin-calculator shell/main.cpp shell/system_services.cpp
                  shell/system_services.h)
target_include_directories(ostrelin-calculator PRIVATE shell)
target_link_libraries(ostrelin-calculator PRIVATE mainwindow main_module platform)
set_target_properties(ostrelin-calculator PROPERTIES WIN32_EXECUTABLE ON)
if(WIN32)
    target_sources(ostrelin-calculator PRIVATE ${PROJECT_BINARY_DIR}/resources/ostrelin-calculator.rc)
    include(shell/windows_deploy.cmake)
endif()
target_compile_definitions(ostrelin-calculator PRIVATE
    OSTRELIN_VERSION="${PROJECT_VERSION}" OSTRELIN_APP_ID="${OSTRELIN_APP_ID}")
# The hand pointer is looked up beside the program, so a build run shows it too.
add_custom_command(TARGET ostrelin-calculator POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_SOURCE_DIR}/resources/HAND-M.CUR $<TARGET_FILE_DIR:ostrelin-calculator>/HAND-M.CUR)
if(WIN32)
    return()
endif()
# Installed, the optional files keep lying beside the program file, in a folder of its own; the
# command in bin/ is a link to it, which the program resolves to find that folder.
set(OSTRELIN_PROGRAM_DIR lib/ostrelin-calculator CACHE STRING
    "Folder, under the prefix, of the program file and its optional files")
install(TARGETS ostrelin-calculator RUNTIME DESTINATION ${OSTRELIN_PROGRAM_DIR})
install(FILES resources/HAND-M.CUR DESTINATION ${OSTRELIN_PROGRAM_DIR})
file(RELATIVE_PATH program_from_bin /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${OSTRELIN_PROGRAM_DIR}/ostrelin-calculator)
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    message(STATUS \"Installing: \${bin}/ostrelin-calculator -> ${program_from_bin}\")
    file(CREATE_LINK ${program_from_bin} \"\${bin}/ostrelin-calculator\" SYMBOLIC)")
