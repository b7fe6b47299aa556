EVENT first
BOARDSIZE 9
B 1 E5
REMARK belongs to second

EVENT second
B 1 C3
