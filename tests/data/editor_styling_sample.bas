' Sample source: every kind of token the editor colours
#include <input.bas>
# define MAXX 31
DECLARE FUNCTION Max(a as ubyte, b as ubyte) as ubyte
dim score as uinteger = 0
dim mask as ubyte = %1010 : dim addr as uinteger = $4000
const SPEED as fixed = 1.5
SUB Main()
  print at 0,0; ink 6; "Score: "; score
  if score > 100 then
    border 2
  end if
  x = Max(1, 2) + mult (3) * 1.2.3
  poke @table, peek(23672)
  asm
    ld a,(hl)
    defb 1,2,3
  end asm
  {
    beep .5, 10
  }
  print "unterminated
  REM a comment with a { brace
  Sub Nested
END SUB
function fastcall Max(a as ubyte, b as ubyte) as ubyte
  return a
end function
table:
