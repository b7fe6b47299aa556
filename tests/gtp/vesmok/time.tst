# time_settings and time_left: word checks (the clocks themselves are
# checked by the unit tests).
1 time_settings 600 30 5
#? []
2 time_settings 0 0 0
#? []
3 time_settings 600 30 0
#? []
4 time_settings 0 30 1
#? []
5 time_settings 99999999999999999999 99999999999999999999 99999999999999999999
#? []
6 time_settings x 30 5
#? [\?syntax error]
7 time_settings 600 -30 5
#? [\?syntax error]
8 time_settings 600 30
#? [\?syntax error]
9 time_settings
#? [\?syntax error]
10 time_settings 1.5 30 5
#? [\?syntax error]
20 time_left b 300 0
#? []
21 time_left white 20 3
#? []
22 time_left W 99999999999999999999 99999999999999999999
#? []
23 time_left x 10 0
#? [\?syntax error]
24 time_left empty 10 0
#? [\?syntax error]
25 time_left b x 0
#? [\?syntax error]
26 time_left b 10
#? [\?syntax error]
27 time_left b 10 -1
#? [\?syntax error]
28 time_left
#? [\?syntax error]
29 genmove b
#? [PASS|[A-HJ-T][0-9]+]
