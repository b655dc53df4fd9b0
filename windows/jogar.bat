@echo off
rem Plays tabuleiro2: with no argument the board beside this file; with a
rem board file, given or dropped on this file, that board, from a temporary
rem folder holding a copy of it and of the images. Waits for a key when the
rem game fails, so that its message can be read.
setlocal
set "aqui=%~dp0"
set "pasta="
if "%~1"=="" (
    cd /d "%aqui%"
    "%aqui%tabuleiro2.exe"
    goto fim
)
set "pasta=%TEMP%\tabuleiro2-%RANDOM%%RANDOM%"
mkdir "%pasta%"
if not exist "%pasta%\" exit /b 2
rem A board that cannot be read is left for the game itself to report.
copy /y "%~1" "%pasta%\tabuleiro.map" >nul 2>nul
copy /y "%aqui%*.bmp" "%pasta%" >nul
cd /d "%pasta%"
"%aqui%tabuleiro2.exe"
:fim
set estado=%errorlevel%
cd /d "%aqui%"
if defined pasta rmdir /s /q "%pasta%"
if not "%estado%"=="0" pause
exit /b %estado%
