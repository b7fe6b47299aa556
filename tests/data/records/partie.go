EVENT Club match
BLACK Ann Black
WHITE Bob White
DATE 2004-05-06
BOARDSIZE 9
KOMI 5.5
HANDICAP 2
RULES Chinese
RESULT W+3.5
REMARK header remark
COM
  a comment line
second line
ENDCOM
SETUP B C3 G7 W E5
b 1 C7
	W 2 G3
REMARK after white
VAR
B 3 D4
MARK A@D4 \T@E6 ALL
ENDVAR
B 3 E6
mark #1-3 C7 #x
FINI
B 4 A1
