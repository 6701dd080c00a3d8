; Read by makensis before the installer's script (build.sh points NSISCONFDIR here): a 64-bit
; installer for the 64-bit program, which also runs under Wine's 64-bit setup.
Target amd64-unicode
