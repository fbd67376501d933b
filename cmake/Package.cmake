# The package: the folder QV_Setup.exe expects to find beside itself, laid out in
# ${CMAKE_BINARY_DIR}/package by the target `package` (part of the default build). It
# holds the programs and the library of this build, and the files the product does not
# make itself: the add-in workbook, its help file and the platform's redistributables,
# under the names the setup reads. Those come from the folder QV_PACKAGE_EXTRAS; without
# one, from the tests' stand-ins, so that a package can always be laid out and installed.
#
# Tests find the folder through the target's property QV_PACKAGE_DIR, for example
#   add_dependencies(setup_wine_tests package)
#   target_compile_definitions(setup_wine_tests PRIVATE
#       QV_PACKAGE_DIR="$<TARGET_PROPERTY:package,QV_PACKAGE_DIR>")

set(QV_PACKAGE_EXTRAS "" CACHE PATH
    "Folder with QVF.xla, QV.chm, REGSVR32.exe, VB6es.dll, 3A.ocx, FM20.dll and 3B.ocx; empty: the tests' stand-ins")

set(qv_package_dir ${CMAKE_BINARY_DIR}/package)
set(qv_package_content QVF.xla QV.chm)                   # files of their own
set(qv_package_components VB6es.dll 3A.ocx FM20.dll 3B.ocx)  # registered COM servers

# Pairs of a name in the package and what it is copied from: a target or a file.
set(qv_package_files
    QV_Setup.exe QV_Setup
    IQV_v011.dll IQV_v011
    QVU.exe QVU
    UQV.exe UQV)
if(QV_PACKAGE_EXTRAS)
    set(missing "")
    foreach(name IN LISTS qv_package_content qv_package_components ITEMS REGSVR32.exe)
        if(NOT EXISTS ${QV_PACKAGE_EXTRAS}/${name})
            list(APPEND missing ${name})
        endif()
        list(APPEND qv_package_files ${name} ${QV_PACKAGE_EXTRAS}/${name})
    endforeach()
    if(missing)
        message(FATAL_ERROR "QV_PACKAGE_EXTRAS (${QV_PACKAGE_EXTRAS}) lacks: ${missing}")
    endif()
else()
    # The stand-in component is a real COM server, so the setup's registration works.
    foreach(name IN LISTS qv_package_content)
        list(APPEND qv_package_files ${name} ${PROJECT_SOURCE_DIR}/tests/setup/wine/package/${name})
    endforeach()
    foreach(name IN LISTS qv_package_components)
        list(APPEND qv_package_files ${name} qv_standin_component)
    endforeach()
    list(APPEND qv_package_files REGSVR32.exe qv_standin_registration_tool)
endif()

# One copy per file, so a changed input lays out again just that file.
set(qv_package_outputs "")
list(LENGTH qv_package_files count)
math(EXPR last "${count} - 1")
foreach(at RANGE 0 ${last} 2)
    math(EXPR next "${at} + 1")
    list(GET qv_package_files ${at} name)
    list(GET qv_package_files ${next} source)
    if(IS_ABSOLUTE ${source})
        set(from ${source})
    else()
        # A target (possibly defined later): its file, and a dependency on building it.
        set(from $<TARGET_FILE:${source}>)
    endif()
    add_custom_command(
        OUTPUT ${qv_package_dir}/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${qv_package_dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${from} ${qv_package_dir}/${name}
        DEPENDS ${source}
        COMMENT "Package: ${name}"
        VERBATIM)
    list(APPEND qv_package_outputs ${qv_package_dir}/${name})
endforeach()

add_custom_target(package ALL DEPENDS ${qv_package_outputs})
set_target_properties(package PROPERTIES QV_PACKAGE_DIR ${qv_package_dir})
