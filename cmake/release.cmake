# A release in one command, from a clean tree:
#
#     cmake -P cmake/release.cmake
#
# builds (no tests) and packages the program for Linux and for Windows and
# the page, each afresh in build-release/, and leaves in dist/ five packages
# and their checksums: the .deb, the program's tarball, the source tarball,
# the Windows zip, the site as blackjack-X.Y.Z-web.zip, and SHA256SUMS.
# Every build runs with SOURCE_DATE_EPOCH set (by default to the last
# commit's time), and the zips are made with it and a sorted list of files,
# so that two runs from two folders give the same bytes. It stops at the
# first step that fails, and says which.
cmake_minimum_required(VERSION 3.25)

get_filename_component(source ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(work ${source}/build-release)
set(dist ${source}/dist)

# Runs one step in the source folder; stops the release if it fails.
function(step name)
  message(STATUS "release: ${name}")
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${source}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "release: ${name} failed (${result})")
  endif()
endfunction()

# Zips the folder `name` under `parent` as `zip`, the files in a sorted
# order. With SOURCE_DATE_EPOCH set, and no --mtime, `cmake -E tar` stamps
# every entry's times with it, those of access and change included.
function(zip_folder parent name zip)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${parent}
       ${parent}/${name}/*)
  list(SORT files)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${files}
    WORKING_DIRECTORY ${parent} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "release: zipping ${name} failed (${result})")
  endif()
endfunction()

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${source}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR epoch STREQUAL "")
    message(FATAL_ERROR "release: no commit to take the time from: "
                        "set SOURCE_DATE_EPOCH")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()

file(REMOVE_RECURSE ${work} ${dist})
file(MAKE_DIRECTORY ${dist} ${work}/stage)

# Linux: the .deb, the program's tarball and the source tarball. The
# version is the one the configured project gives its packages.
step("configure for Linux" ${CMAKE_COMMAND} --preset default -B ${work}/linux)
include(${work}/linux/CPackConfig.cmake)
set(version ${CPACK_PACKAGE_VERSION})
message(STATUS "release: blackjack ${version}, "
               "SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH}")
step("build for Linux" ${CMAKE_COMMAND} --build ${work}/linux)
step("make the .deb" ${CMAKE_COMMAND} -E chdir ${work}/linux cpack -G DEB)
step("make the program's tarball" ${CMAKE_COMMAND} -E chdir ${work}/linux
     cpack -G TGZ)
step("package the sources" ${CMAKE_COMMAND} -E chdir ${work}/linux
     cpack --config CPackSourceConfig.cmake)
file(GLOB packages ${work}/linux/blackjack_*.deb
     ${work}/linux/blackjack-*.tar.gz)
file(COPY ${packages} DESTINATION ${dist})

# Windows: the program, its licence, changes and README, zipped as one
# folder.
step("configure for Windows" ${CMAKE_COMMAND} --preset windows
     -B ${work}/windows -DBUILD_TESTING=OFF)
step("build for Windows" ${CMAKE_COMMAND} --build ${work}/windows)
step("install for Windows" ${CMAKE_COMMAND} --install ${work}/windows --strip
     --prefix ${work}/stage/blackjack-${version}-win64)
zip_folder(${work}/stage blackjack-${version}-win64
           ${dist}/blackjack-${version}-win64.zip)

# The page: the site, which plays opened from disk, zipped as one folder.
step("configure the page" ${CMAKE_COMMAND} --preset web -B ${work}/web
     -DBUILD_TESTING=OFF)
step("build the page" ${CMAKE_COMMAND} --build ${work}/web)
file(COPY ${work}/web/site/ DESTINATION ${work}/stage/blackjack-${version}-web)
zip_folder(${work}/stage blackjack-${version}-web
           ${dist}/blackjack-${version}-web.zip)

file(GLOB packages RELATIVE ${dist} ${dist}/*)
list(SORT packages)
set(sums "")
foreach(package IN LISTS packages)
  file(SHA256 ${dist}/${package} sum)
  string(APPEND sums "${sum}  ${package}\n")
endforeach()
file(WRITE ${dist}/SHA256SUMS "${sums}")
message(STATUS "release: in ${dist}:\n${sums}")
