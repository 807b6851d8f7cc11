
REM Макрос создан программой "VERSTAK"


WITHOBJECT "CorelDraw.Automation.7"
 .StartOfRecording
 .SuppressPainting
 DIM nob AS LONG
 DIM yn AS LONG
 DIM xn AS LONG
 DIM yk AS LONG
 DIM xk AS LONG
 nob = 1
 okr = 0
 ystep = 126360
 xstep = 126360
    GOSUB Lear
h1=34750
h2=41070
h3=25270
h4=37910
    .NewLayer "Fool_kub"
    .NewLayer "Text"
    .SelectLayer "Text"
    GOSUB Klet_15
    nob = nob+1
 .CreateArtisticText "СЛОН", xn+(xstep/2), yn-(ystep/2)
   .RecorderSelectObjectsByIndex TRUE,nob,nob-1, -1, -1, -1
   .AlignObjects 3, 3
    nob = nob+1
   .RecorderSelectObjectByIndex TRUE,nob-2
  .DeleteObject
   xn = xk
   xk = xn + xstep
   yn = yk
   yk = yn - ystep
   xn = -879912
   xk = xn + xstep
    GOSUB Lear
    .SelectLayer "Fool_kub"
    GOSUB Klet_15
    GOSUB Klet_19
   xn = xk
   xk = xn + xstep
   yn = yk
   yk = yn - ystep
   xn = -879912
   xk = xn + xstep
 .ResumePainting
 .EndOfRecording
GOTO k1
Lear:
 yn = 1176556
 xn = -879912
 yk = yn - ystep
 xk = xn + xstep
RETURN
Klet_15:.UnSelectAll
    .CreateRectangle yn, xn, yk, xk , okr
RETURN
Klet_19:
  .ApplyUniformFillColor 5002,0,0,0,20
RETURN
k1: END WITHOBJECT
