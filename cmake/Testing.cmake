# GoogleTest for both builds: the host build takes Debian's packaged library, the Windows
# builds compile Debian's GoogleTest sources with MinGW so the same tests run under Wine.
if(WIN32)
    set(QV_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QV_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    set(QV_WINE_BITS 32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(QV_WINE_BITS 64)
    endif()
else()
    find_package(GTest REQUIRED)
endif()

# A GoogleTest program, run by ctest (under Wine in the Windows builds). REGISTER names COM
# servers that tools/wine-run registers in the test's own prefix before the program runs;
# GUI gives the program an Xvfb display.
function(qv_add_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "GUI" "" "SOURCES;LIBRARIES;REGISTER")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    # The launcher ends a hung program before ctest's TIMEOUT kills the launcher itself, so
    # that it can still clean up: it gets the same limit.
    set(timeout 300)
    set(environment "QV_WINE_TIME_LIMIT=${timeout}")
    if(arg_GUI)
        list(APPEND environment "QV_WINE_GUI=1")
    endif()
    if(arg_REGISTER)
        set(servers "")
        foreach(server IN LISTS arg_REGISTER)
            list(APPEND servers "$<TARGET_FILE:${server}>")
        endforeach()
        list(JOIN servers ":" server_list)
        list(APPEND environment "QV_WINE_REGISTER=${server_list}")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${timeout})
endfunction()

# A script run by Wine's cscript in a prefix of its own, after the COM servers named by
# REGISTER are registered there. The script passes only if it reaches its closing line.
# MESSAGES lists the message boxes ("[title] [text]") the script must cause, in order; they
# are answered by the message box answerer on a private display.
function(qv_add_script_test name script)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "REGISTER;MESSAGES")
    set(servers "")
    foreach(server IN LISTS arg_REGISTER)
        list(APPEND servers "$<TARGET_FILE:${server}>")
    endforeach()
    list(JOIN servers ":" server_list)
    set(answering "")
    if(arg_MESSAGES)
        set(answering --gui --answerer $<TARGET_FILE:message_box_answerer>)
        foreach(message IN LISTS arg_MESSAGES)
            list(APPEND answering --expect-message "${message}")
        endforeach()
    endif()
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tools/run-script-test --bits ${QV_WINE_BITS} ${answering}
                     ${CMAKE_CURRENT_SOURCE_DIR}/${script})
    # A message box nobody answers would block the script: end it instead. The launcher gets
    # the same limit, to end the script itself first and still clean up.
    set(timeout 120)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QV_WINE_REGISTER=${server_list};QV_WINE_TIME_LIMIT=${timeout}" TIMEOUT ${timeout})
endfunction()
