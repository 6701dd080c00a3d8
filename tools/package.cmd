@echo off
rem Builds Verlandis in Release and makes its Windows packages: a ZIP, and an installer
rem when NSIS is installed. Usage: tools\package.cmd <Qt folder>, e.g. C:\Qt\6.8.0\msvc2022_64
setlocal
if "%~1"=="" (
  echo Indiquez le dossier de Qt, par exemple : tools\package.cmd C:\Qt\6.8.0\msvc2022_64
  exit /b 2
)
cd /d "%~dp0.."
set "GENERATOR="
echo %~1 | findstr /i "mingw" >nul && set GENERATOR=-G "MinGW Makefiles"
cmake -S . -B build-package %GENERATOR% -DCMAKE_PREFIX_PATH="%~1" -DCMAKE_BUILD_TYPE=Release -DVERLANDIS_TESTS=OFF || exit /b 1
cmake --build build-package --config Release || exit /b 1
cd build-package
cpack -C Release || exit /b 1
echo Paquets prets dans le dossier build-package (verlandis-*.zip, et verlandis-*.exe avec NSIS).
