# Run by `cmake --install` when cross-compiling, with no windeployqt for a Linux host: copies into the installed
# bin folder every DLL that its programs and plugins load, and those these load in turn, when it is found in one of
# VERLANDIS_DLL_FOLDERS (Qt's and build-deps.sh's bin, MinGW's runtimes). Windows' own DLLs are in none of them and
# stay out. A library the program starts to link is shipped without naming it here.
#   VERLANDIS_OBJDUMP, VERLANDIS_DLL_FOLDERS, VERLANDIS_BINDIR: set by packaging/CMakeLists.txt.
cmake_policy(VERSION 3.21) # an install script runs under the oldest policies, without IN_LIST
set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VERLANDIS_BINDIR}")
file(GLOB_RECURSE pending "${bin}/*.exe" "${bin}/*.dll")
set(seen "")
while(pending)
  list(POP_FRONT pending binary)
  execute_process(COMMAND "${VERLANDIS_OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE imports COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${imports}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    # Windows matches DLL names without regard to case.
    string(TOLOWER "${dll}" key)
    if(key IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${key}")
    foreach(folder IN LISTS VERLANDIS_DLL_FOLDERS)
      if(EXISTS "${folder}/${dll}")
        file(REAL_PATH "${folder}/${dll}" found)
        file(INSTALL "${found}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${VERLANDIS_BINDIR}" RENAME "${dll}")
        list(APPEND pending "${bin}/${dll}")
        break()
      endif()
    endforeach()
  endforeach()
endwhile()
