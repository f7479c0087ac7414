target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/languagedump.cpp
    ${CMAKE_CURRENT_LIST_DIR}/languagefile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/languageswitch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/languagetarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/uilanguage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windowregistry.cpp
)
# Writes apchs.ini and apeng.ini from the windows themselves (see data/language).
add_executable(builder-langtool ${CMAKE_CURRENT_LIST_DIR}/langtoolmain.cpp)
target_link_libraries(builder-langtool PRIVATE builderapp Brevix::Warnings)
