// The program's English user interface: the 800 texts of the language table
// in index order, exactly as the program shows them (their odd blanks and
// spellings included, since language files and dialogs rely on the indexes).
// "&&" shows as one ampersand in captions.
#include "app/Language.h"

#include <iterator>

namespace app {
namespace {

const char16_t *const BuiltinTexts[] = {
    u"Begin", // 0
    u"Step 1", // 1
    u"Step 2", // 2
    u"Step 3", // 3
    u"Step 4", // 4
    u"Step 5", // 5
    u"Step 6", // 6
    u"Step 7", // 7
    u"Step 8", // 8
    u"None Configuration Opened ", // 9
    u"Use Step1 to open or create new configuration", // 10
    u"Opened Configuration of the Converter : ", // 11
    u"Information", // 12
    u"Options", // 13
    u"Close Configurator", // 14
    u"New Configuration", // 15
    u"Open Configuration", // 16
    u"Update Device", // 17
    u"Error! Project not Valid", // 18
    u"New Version Available. Click Here for more Details", // 19
    u"Set Communication", // 20
    u"M-Bus Access", // 21
    // 22: free
    u" ", // 22
    // Update Device: the banks could not be written; an update tool did not start
    u"Error! The parameter banks could not be written", // 23
    u"Error! The update tool could not be started", // 24
    u"Create New Configuration", // 25
    u"Create New Configuration", // 26
    u"Name of the new Configuration", // 27
    u"OK", // 28
    u"Cancel", // 29
    u"Error! Name project is not valid", // 30
    u"Error! Name project is not valid because directory already exists", // 31
    u"Error! Name Project is not valid", // 32
    u"Open Configuration", // 33
    u"Open an Existing Configuration", // 34
    u"List of Avaliable Configurations", // 35
    u"OK", // 36
    u"Cancel", // 37
    u"Software Options", // 38
    u"Software Options", // 39
    u"Language", // 40
    u"Connection Options", // 41
    u"Selected Language : ", // 42
    u"Page ", // 43
    u" / ", // 44
    u"Previous", // 45
    u"Next", // 46
    u"Enable Internet Connection", // 47
    u"Check Software Update at Start of Program", // 48
    u"Check Available Update", // 49
    u"OK", // 50
    u"Cancel", // 51
    u"New Version Available. Click Here for more Details", // 52
    u"No Update Available", // 53
    u"Do you want to change the Language from ", // 54
    u" to ", // 55
    u"?", // 56
    u"Update Firmware from Etherner (UDP)", // 57
    u"Insert the IP Address of ", // 58
    u"Check the Connection the device", // 59
    u"Ping", // 60
    u"Cancel", // 61
    u"Next", // 62
    u"Update Device Options", // 63
    u"Firmware", // 64
    u"Read Firmware when finish", // 65
    u"Configuration", // 66
    u"Read Configuration when finish", // 67
    u"Execute update firmware", // 68
    u"Device Found!", // 69
    u"Device Not Found!", // 70
    u"Error!!! Check the Ip Address", // 71
    u"Device not found in network", // 72
    u"Update Device by Serial", // 73
    u"Update Device Using the Serial Port", // 74
    u"Follow these steps to update from RS232:", // 75
    u"1 - Turn OFF the Device", // 76
    u"2 - Use the Dip-Switch to set the Boot Mode", // 77
    u"3 - Select the COM Port for the Update", // 78
    u"4 - Turn ON the Device", // 79
    u"Update COM Ports List", // 80
    u"Update Device Options", // 81
    u"Firmware", // 82
    u"Read Firmware After Write", // 83
    u"Configuration", // 84
    u"Read Configuration After Write", // 85
    u"Cancel", // 86
    u"Next", // 87
    u"Execute Update Firmware", // 88
    u"Error! Select the COM port to use for the Update", // 89
    u"Set Communication", // 90
    u"Set Communication Setting", // 91
    u"OK", // 92
    u"Cancel", // 93
    u" Select Device ", // 94
    u" Modbus TCP Slave ", // 95
    u"IP ADDRESS", // 96
    u"SUBNET Mask", // 97
    u"GATEWAY", // 98
    u"Port", // 99
    u"Connection TimeOut (min)", // 100
    u" M-Bus ", // 101
    u"Baudrate", // 102
    u"Parity", // 103
    u"M-Bus Polls", // 104
    u"Delay for Cyclic (s)", // 105
    u"Node State value when slave device is not", // 106
    u"present", // 107
    u"Collapse", // 108
    u"Expand", // 109
    u"Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255", // 110
    u"Error Modbus TCP Slave!! IP Address 2 must be between 0 and 255", // 111
    u"Error Modbus TCP Slave!! IP Address 3 must be between 0 and 255", // 112
    u"Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255", // 113
    u"Error Modbus TCP Slave!! SubNet Mask 1 must be between 0 and 255", // 114
    u"Error Modbus TCP Slave!! SubNet Mask 2 must be between 0 and 255", // 115
    u"Error Modbus TCP Slave!! SubNet Mask 3 must be between 0 and 255", // 116
    u"Error Modbus TCP Slave!! SubNet Mask 4 must be between 0 and 255", // 117
    u"Error Modbus TCP Slave!! Gateway 1 must be between 0 and 255", // 118
    u"Error Modbus TCP Slave!! Gateway 2 must be between 0 and 255", // 119
    u"Error Modbus TCP Slave!! Gateway 3 must be between 0 and 255", // 120
    u"Error Modbus TCP Slave!! Gateway 4 must be between 0 and 255", // 121
    u"Error Modbus TCP Slave!! PORT must be between 0 and 65535 and different from 0 or 10000", // 122
    u"Error Modbus TCP Slave!! Connection Timeout must be between 2 and 1440 minutes", // 123
    u"M-Bus!! Cyclic request Delay must be between 0 and 864000 seconds", // 124
    u"M-Bus!!  Node State value must be between 0 and 255", // 125
    u"Do you want to exit without saving changes?", // 126
    u"M-Bus Network", // 127
    u"M-Bus Network", // 128
    u"OK", // 129
    u"Cancel", // 130
    u"Import Network", // 131
    u"Nodes     ", // 132
    u"Variables     ", // 133
    u"Enable Node", // 134
    u"Description", // 135
    u"Primary ID Node", // 136
    u"Secondary ID Node", // 137
    u"Node State", // 138
    u"Identification Number", // 139
    u"Convert BCD in Integer Identification Num.", // 140
    u"Swap Identification Num.", // 141
    u"Send SND_NKE", // 142
    u"Send Reset App.", // 143
    u"Valiables List", // 144
    u"Cut after ", // 145
    u"frames", // 146
    u"Manufacturer Specific Data", // 147
    u"Length (MSD) [1 - 241]", // 148
    u"Offset (MSD) [0 - 240]", // 149
    u"ADD NODE", // 150
    u"MODIFY NODE", // 151
    u"Enable Variable", // 152
    u"Description", // 153
    u"Type of Data", // 154
    u"VIF ASCII String", // 155
    u"Function Field", // 156
    u"Dimension (bit)", // 157
    u"Length(Variable Len)", // 158
    u"Unit", // 159
    u"Modbus Register", // 160
    u"Modbus Re Scale", // 161
    u"Storage Number", // 162
    u"Tariff", // 163
    u"VIFE", // 164
    u" Time Point ", // 165
    u"Use Six Modbus Register", // 166
    u"YY", // 167
    u"MM", // 168
    u"DD", // 169
    u"HH", // 170
    u"MM", // 171
    u"From BCD to Integer", // 172
    u"Convert in Float", // 173
    u"Position", // 174
    u"ADD VARIABLE", // 175
    u"MODIFY VARIABLE", // 176
    u"Error!! ModBus Register already use in the Node \"", // 177
    u"\" (Node State)", // 178
    u"Error!! ModBus Register already use in the Node \"", // 179
    u"\" (Identification Number)", // 180
    u"Error!! ModBus Register Scale already use in the Node \"", // 181
    u"\" (Node State)", // 182
    u"Error!! ModBus Register Scale already use in the Node \"", // 183
    u"\" (Identification Number)", // 184
    u"Error!! Time Point Registers already use in the Node \"", // 185
    u"\" (Node State)", // 186
    u"Error!! Time Point Registers already use in the Node \"", // 187
    u"\" (Identification Number)", // 188
    u"Error!! ModBus Register already use in the Node \"", // 189
    u"\", Variable \"", // 190
    u"\" (Modbus Register)", // 191
    u"Error!! ModBus Register already use in the Node \"", // 192
    u"\", Variable \"", // 193
    u"\" (Modbus Register Scale)", // 194
    u"Error!! ModBus Register already use in the Node \"", // 195
    u"\", Variable \"", // 196
    u"\" (Time Point)", // 197
    u"Error!! ModBus Register Scale already use in the Node \"", // 198
    u"\", Variable \"", // 199
    u"\" (Modbus Register)", // 200
    u"Error!! ModBus Register Scale already use in the Node \"", // 201
    u"\", Variable \"", // 202
    u"\" (Modbus Register Scale)", // 203
    u"Error!! ModBus Register Scale already use in the Node \"", // 204
    u"\", Variable \"", // 205
    u"\" (Time Point)", // 206
    u"Error!! Time Point Registers already use in the Node \"", // 207
    u"\", Variable \"", // 208
    u"\" (Modbus Register)", // 209
    u"Error!! Time Point Registers already use in the Node \"", // 210
    u"\", Variable \"", // 211
    u"\" (Modbus Register Scale)", // 212
    u"Error!! Time Point Registers already use in the Node \"", // 213
    u"\", Variable \"", // 214
    u"\" (Time Point)", // 215
    u"Error!! Time Point Registers already use in the Node \"", // 216
    u"\", Variable \"", // 217
    u"\" (Time Point)", // 218
    u"Error!! ModBus Register must be between 1 and 59999", // 219
    u"Error!! ModBus Register Scale must be between 0 and 59999", // 220
    u"Error!! ModBus Register and ModBus Register Scale must be different", // 221
    u"Error!! Storage Number must be between 0x00000000 and 0xFFFFFFFF", // 222
    u"Error!! Tariff must be between 0x00000 and 0xFFFFF", // 223
    u"Error!! Length (Variable Len) must be between 0 and 191", // 224
    u"Error!! Year Time Point Register must be between 1 and 59995", // 225
    u"Error!! ModBus Register and Time Point Registers must be different", // 226
    u"Error!! ModBus Register Scale and Time Point Registers must be different", // 227
    u"Error!! Variable position must be between 1 and 512", // 228
    u"Error!! Primary ID Node M-Bus must be between 0 and 255", // 229
    u"Error!! Secondary ID Node M-Bus must be between 0 and 99999999", // 230
    u"Error!! Modbus Node State must be between 0 and 59999", // 231
    u"Error!! Modbus Identification Number must be between 0 and 59999", // 232
    u"Error!! Node State Register must be different from the Identification Number Register", // 233
    u"Error!! Manufacturer Specific Data must be between 0 and 59999", // 234
    u"Error!! Manufacturer Specific Data must be different from the Identification Number Register", // 235
    u"Error!! Manufacturer Specific Data must be different from the Node State Register", // 236
    u"Error!! Length of Manufacturer Specific Data must be between 1 and 241", // 237
    u"Error!! Offset of Manufacturer Specific Data must be between 0 and 240", // 238
    u"Error!! Length plus Offset of Manufacturer Specific Data must be less than or equal to 241", // 239
    u"Error!! ID Node is already used", // 240
    u"Error!! ID Node is already used", // 241
    u"Error!! ID Node is already used", // 242
    u"Are you sure to want to cancel all Nodes?", // 243
    u"Are you sure to want to cancel this Node?", // 244
    u"Are you sure to want to cancel this Variable?", // 245
    u"Do you want to exit without saving changes?", // 246
    u"Error! Select a Variable", // 247
    u"Error! Select a Variable from a Node", // 248
    u"Error! Select a Node", // 249
    u"Error! Select a Node", // 250
    u"Error! Copy a Variable before", // 251
    u"Modbus Register", // 252
    u"Modbus Re Scale", // 253
    u"Time Point Register", // 254
    u"Error! Select a Node where copy the Variable", // 255
    u"Do you really want to overwrite the existing M-Bus Network?", // 256
    u"New Node ID", // 257
    u"New Variable", // 258
    u"Select the ID of the New Node", // 259
    u"Select the new Registers for the Variable", // 260
    u"OK", // 261
    u"Cancel", // 262
    u"Primary ID Node", // 263
    u"Secondary ID Node", // 264
    u"Select the new Register for Node State", // 265
    u"Select the new Register for Identification Number", // 266
    u"Select the new  Registers for the Variables", // 267
    u"Error!! Primary ID Node M-Bus must be between 0 and 255", // 268
    u"Error!! Secondary ID Node M-Bus must be between 0 and 99999999", // 269
    u"Error!! ModBus Register must be between 1 and 59999", // 270
    u"Error!! ModBus Register Scale must be between 0 and 59999", // 271
    u"Error!! Year Time Point Register must be between 0 and 59995", // 272
    u" Ethernet ", // 273
    u"On Request", // 274
    u"Cyclic", // 275
    u"Passive Mode", // 276
    u" Modbus Slave ", // 277
    u"Serial", // 278
    u"Baudrate", // 279
    u"Parity", // 280
    u"ID Device", // 281
    u"Protocol", // 282
    u" wM-Bus ", // 283
    u"Mode", // 284
    u"Error Modbus Slave!! ID Device must be between 1 and 247", // 285
    u"Error Ethernet!! IP Address 1 must be between 0 and 255", // 286
    u"Error Ethernet!! IP Address 2 must be between 0 and 255", // 287
    u"Error Ethernet!! IP Address 3 must be between 0 and 255", // 288
    u"Error Ethernet!! IP Address 4 must be between 0 and 255", // 289
    u"Error Ethernet!! SubNet Mask 1 must be between 0 and 255", // 290
    u"Error Ethernet!! SubNet Mask 2 must be between 0 and 255", // 291
    u"Error Ethernet!! SubNet Mask 3 must be between 0 and 255", // 292
    u"Error Ethernet!! SubNet Mask 4 must be between 0 and 255", // 293
    u"Error Ethernet!! Gateway 1 must be between 0 and 255", // 294
    u"Error Ethernet!! Gateway 2 must be between 0 and 255", // 295
    u"Error Ethernet!! Gateway 3 must be between 0 and 255", // 296
    u"Error Ethernet!! Gateway 4 must be between 0 and 255", // 297
    u"M-Bus Type", // 298
    u"wM-Bus", // 299
    u"M-Bus on wires", // 300
    u"Manufacturer ID", // 301
    u"Address", // 302
    u"Version", // 303
    u"Device Type", // 304
    u"Key Enable", // 305
    u"1", // 306
    u"2", // 307
    u"3", // 308
    u"4", // 309
    u"5", // 310
    u"6", // 311
    u"7", // 312
    u"8", // 313
    u"9", // 314
    u"10", // 315
    u"11", // 316
    u"12", // 317
    u"13", // 318
    u"14", // 319
    u"15", // 320
    u"16", // 321
    u"Error!! Manufacturer Id must be between 0x0000 and 0xFFFF", // 322
    u"Error!! Address must be between 0x00000000 and 0xFFFFFF", // 323
    u"Error!! Version must be between 0x00 and 0xFF", // 324
    u"Error!! Device Type must be between 0x00 and 0xFF", // 325
    u"Error!! Key (Byte 1) must be between 0x00 and 0xFF", // 326
    u"Error!! Key (Byte 2) must be between 0x00 and 0xFF", // 327
    u"Error!! Key (Byte 3) must be between 0x00 and 0xFF", // 328
    u"Error!! Key (Byte 4) must be between 0x00 and 0xFF", // 329
    u"Error!! Key (Byte 5) must be between 0x00 and 0xFF", // 330
    u"Error!! Key (Byte 6) must be between 0x00 and 0xFF", // 331
    u"Error!! Key (Byte 7) must be between 0x00 and 0xFF", // 332
    u"Error!! Key (Byte 8) must be between 0x00 and 0xFF", // 333
    u"Error!! Key (Byte 9) must be between 0x00 and 0xFF", // 334
    u"Error!! Key (Byte 10) must be between 0x00 and 0xFF", // 335
    u"Error!! Key (Byte 11) must be between 0x00 and 0xFF", // 336
    u"Error!! Key (Byte 12) must be between 0x00 and 0xFF", // 337
    u"Error!! Key (Byte 13) must be between 0x00 and 0xFF", // 338
    u"Error!! Key (Byte 14) must be between 0x00 and 0xFF", // 339
    u"Error!! Key (Byte 15) must be between 0x00 and 0xFF", // 340
    u"Error!! Key (Byte 16) must be between 0x00 and 0xFF", // 341
    u"wM-Bus Address", // 342
    u"Error!! Address for a Node wM-Bus must be between 0x00000000 and 0xFFFFFF", // 343
    u"Radio Channel", // 344
    u"Post Operation", // 345
    u"Copy Variable", // 346
    u"Paste Variable", // 347
    u"Copy Node", // 348
    u"Paste Node", // 349
    u"Delete Item", // 350
    u"Error Modbus Slave!! Two Stop Bits must be selected only with None Parity", // 351
    u"Stop Bits", // 352
    u"M_Bus network configuration already exists for this configuration. Do you want to continue?", // 353
    u" Ethernet ", // 354
    u"Error Ethernet!! IP Address 1 must be between 0 and 255", // 355
    u"Error Ethernet!! IP Address 2 must be between 0 and 255", // 356
    u"Error Ethernet!! IP Address 3 must be between 0 and 255", // 357
    u"Error Ethernet!! IP Address 4 must be between 0 and 255", // 358
    u"Error Ethernet!! SubNet Mask 1 must be between 0 and 255", // 359
    u"Error Ethernet!! SubNet Mask 2 must be between 0 and 255", // 360
    u"Error Ethernet!! SubNet Mask 3 must be between 0 and 255", // 361
    u"Error Ethernet!! SubNet Mask 4 must be between 0 and 255", // 362
    u"Error Ethernet!! Gateway 1 must be between 0 and 255", // 363
    u"Error Ethernet!! Gateway 2 must be between 0 and 255", // 364
    u"Error Ethernet!! Gateway 3 must be between 0 and 255", // 365
    u"Error Ethernet!! Gateway 4 must be between 0 and 255", // 366
    u"Error!! Modbus RSSI must be between 0 and 59999", // 367
    u"Error!! RSSI Register must be different from the Identification Number Register", // 368
    u"Error!! RSSI Register must be different from the Node State Register", // 369
    u"Error!! ModBus Register already use in the Node \"", // 370
    u"\" (RSSI)", // 371
    u"Error!! ModBus Register Scale already use in the Node \"", // 372
    u"\" (RSSI)", // 373
    u"Error!! Time Point Registers already use in the Node \"", // 374
    u"\" (RSSI)", // 375
    u"Select the new Register for RSSI", // 376
    u"Use Fix C Field", // 377
    u"Access Number", // 378
    u"Access Number", // 379
    u"Error!! Modbus Access Number must be between 0 and 59999", // 380
    u"Error!! Access Number Register must be different from the Identification Number Register", // 381
    u"Error!! Access Number Register must be different from the Node State Register", // 382
    u"Error!! Access Number Register must be different from the RSSI Register", // 383
    u"Error!! Access Number Register must be between 0 and 59999", // 384
    u"Error!! Access Number Register must be different from the Identification Number Register", // 385
    u"Error!! Access Number Register must be different from the Node State Register", // 386
    u"Error!! Access Number Register must be different from the Manufacturer Specific Data Register", // 387
    u"Reply with Exception Until First Read", // 388
    u"Convert in Float option - Words order", // 389
    u"Least Significant Register First", // 390
    u"Most Significant Register First", // 391
    u"M-Bus!! Cyclic request Delay must be between 0 and 65535 seconds", // 392
    u"Information!! The wired M-Bus is \"Not Present\" in the General Parameters: these wired nodes are not "
    u"compiled and the converter will not read them:", // 393
    u"ParGen.xml could not be read: the IP address is left empty", // 394
    u"The key was not installed: the scan is not receiving telegrams now", // 395
    // 396 to 399: free
    u" ", // 396
    u" ", // 397
    u" ", // 398
    u" ", // 399
    u"Scan & Decode", // 400
    u"SCAN && DECODE", // 401
    u"Scan && Decode M-Bus Network", // 402
    u"Scan By", // 403
    u"Primary Address", // 404
    u"Secondary Address", // 405
    u"Select Hardware Type", // 406
    u"Ethernet", // 407
    u"Serial", // 408
    u"IP Address", // 409
    u"Select Com Port", // 410
    u"M-Bus Communication Parameters", // 411
    u"Baudrate", // 412
    u"Parity", // 413
    u"Option for Scan ", // 414
    u"Send Application Reset", // 415
    u"Send SND NKE", // 416
    u"Cut After", // 417
    u"Scan in Progress...", // 418
    u"Number of Slaves", // 419
    u"List of Device", // 420
    u"Start Scan", // 421
    u"Stop Scan", // 422
    u"Abort Scan", // 423
    u"New Scan", // 424
    u"Save Conf.", // 425
    u"Another Scan Operation in Progress. Try again when finish", // 426
    u"Start Scan By Secondary Address", // 427
    u"Finish Scan By Secondary Address", // 428
    u"Error! Device Analyzer not found", // 429
    u"Configuration saved! To do a new Scan press \"New Scan\" button otherwise press top-right \"X\" to close the page", // 430
    u"Scan Method", // 431
    u"M-Bus Wired", // 432
    u"M-Bus Wireless", // 433
    u"Mode", // 434
    u"Radio Channel", // 435
    u"Port", // 436
    u"File XML already exists. Do you want to add to this file?", // 437
    u"Port must be between 0 and 65535", // 438
    u"Save Node Add. Conf.", // 439
    u"Use Fix C Field", // 440
    u"Check BCD to int if Variable is BCD", // 441
    u"Enable Remote Scan (Enlarge TimeOut)", // 442
    u"The converter's IP address \"%1\" is not valid: enter four numbers from 0 to 255", // 443
    u"Port %1 cannot be used: enter the port set in the converter, from 1 to 65535", // 444
    u"Port %1 is already used on %2 by another program: close that program, or set another port in the converter "
    u"and in this window", // 445
    u"Port %1 is below 1024 and this user has no right to listen on it: give the program that right "
    u"(setcap cap_net_bind_service=+ep on the program file), or set a port above 1023 in the converter and in "
    u"this window", // 446
    u"The connection to the converter could not be opened (%1)", // 447
    u"The device %1 could not be opened (%2)", // 448
    // 449 to 499: free
    u" ", // 449
    u" ", // 450
    u" ", // 451
    u" ", // 452
    u" ", // 453
    u" ", // 454
    u" ", // 455
    u" ", // 456
    u" ", // 457
    u" ", // 458
    u" ", // 459
    u" ", // 460
    u" ", // 461
    u" ", // 462
    u" ", // 463
    u" ", // 464
    u" ", // 465
    u" ", // 466
    u" ", // 467
    u" ", // 468
    u" ", // 469
    u" ", // 470
    u" ", // 471
    u" ", // 472
    u" ", // 473
    u" ", // 474
    u" ", // 475
    u" ", // 476
    u" ", // 477
    u" ", // 478
    u" ", // 479
    u" ", // 480
    u" ", // 481
    u" ", // 482
    u" ", // 483
    u" ", // 484
    u" ", // 485
    u" ", // 486
    u" ", // 487
    u" ", // 488
    u" ", // 489
    u" ", // 490
    u" ", // 491
    u" ", // 492
    u" ", // 493
    u" ", // 494
    u" ", // 495
    u" ", // 496
    u" ", // 497
    u" ", // 498
    u" ", // 499
    u"Start Modbus Register", // 500
    u"SCAN && DECODE", // 501
    u"Insert the Start Modbus Register", // 502
    u"Insert the Start Address for Modbus Registers", // 503
    u"OK", // 504
    u"Cancel", // 505
    u"Error!! The Star Modbus Address must be between 1 and 65535", // 506
    // 507 to 599: free
    u" ", // 507
    u" ", // 508
    u" ", // 509
    u" ", // 510
    u" ", // 511
    u" ", // 512
    u" ", // 513
    u" ", // 514
    u" ", // 515
    u" ", // 516
    u" ", // 517
    u" ", // 518
    u" ", // 519
    u" ", // 520
    u" ", // 521
    u" ", // 522
    u" ", // 523
    u" ", // 524
    u" ", // 525
    u" ", // 526
    u" ", // 527
    u" ", // 528
    u" ", // 529
    u" ", // 530
    u" ", // 531
    u" ", // 532
    u" ", // 533
    u" ", // 534
    u" ", // 535
    u" ", // 536
    u" ", // 537
    u" ", // 538
    u" ", // 539
    u" ", // 540
    u" ", // 541
    u" ", // 542
    u" ", // 543
    u" ", // 544
    u" ", // 545
    u" ", // 546
    u" ", // 547
    u" ", // 548
    u" ", // 549
    u" ", // 550
    u" ", // 551
    u" ", // 552
    u" ", // 553
    u" ", // 554
    u" ", // 555
    u" ", // 556
    u" ", // 557
    u" ", // 558
    u" ", // 559
    u" ", // 560
    u" ", // 561
    u" ", // 562
    u" ", // 563
    u" ", // 564
    u" ", // 565
    u" ", // 566
    u" ", // 567
    u" ", // 568
    u" ", // 569
    u" ", // 570
    u" ", // 571
    u" ", // 572
    u" ", // 573
    u" ", // 574
    u" ", // 575
    u" ", // 576
    u" ", // 577
    u" ", // 578
    u" ", // 579
    u" ", // 580
    u" ", // 581
    u" ", // 582
    u" ", // 583
    u" ", // 584
    u" ", // 585
    u" ", // 586
    u" ", // 587
    u" ", // 588
    u" ", // 589
    u" ", // 590
    u" ", // 591
    u" ", // 592
    u" ", // 593
    u" ", // 594
    u" ", // 595
    u" ", // 596
    u" ", // 597
    u" ", // 598
    u" ", // 599
    u"Insert Key (HEX)", // 600
    u"OK", // 601
    u"Cancel", // 602
    u"Error!! Acceptable characters are from 0 to 9 and from A to F", // 603
    u"Error!! The Key must contain 16 bytes (32 characters in HEX)", // 604
    // 605 to 699: free
    u" ", // 605
    u" ", // 606
    u" ", // 607
    u" ", // 608
    u" ", // 609
    u" ", // 610
    u" ", // 611
    u" ", // 612
    u" ", // 613
    u" ", // 614
    u" ", // 615
    u" ", // 616
    u" ", // 617
    u" ", // 618
    u" ", // 619
    u" ", // 620
    u" ", // 621
    u" ", // 622
    u" ", // 623
    u" ", // 624
    u" ", // 625
    u" ", // 626
    u" ", // 627
    u" ", // 628
    u" ", // 629
    u" ", // 630
    u" ", // 631
    u" ", // 632
    u" ", // 633
    u" ", // 634
    u" ", // 635
    u" ", // 636
    u" ", // 637
    u" ", // 638
    u" ", // 639
    u" ", // 640
    u" ", // 641
    u" ", // 642
    u" ", // 643
    u" ", // 644
    u" ", // 645
    u" ", // 646
    u" ", // 647
    u" ", // 648
    u" ", // 649
    u" ", // 650
    u" ", // 651
    u" ", // 652
    u" ", // 653
    u" ", // 654
    u" ", // 655
    u" ", // 656
    u" ", // 657
    u" ", // 658
    u" ", // 659
    u" ", // 660
    u" ", // 661
    u" ", // 662
    u" ", // 663
    u" ", // 664
    u" ", // 665
    u" ", // 666
    u" ", // 667
    u" ", // 668
    u" ", // 669
    u" ", // 670
    u" ", // 671
    u" ", // 672
    u" ", // 673
    u" ", // 674
    u" ", // 675
    u" ", // 676
    u" ", // 677
    u" ", // 678
    u" ", // 679
    u" ", // 680
    u" ", // 681
    u" ", // 682
    u" ", // 683
    u" ", // 684
    u" ", // 685
    u" ", // 686
    u" ", // 687
    u" ", // 688
    u" ", // 689
    u" ", // 690
    u" ", // 691
    u" ", // 692
    u" ", // 693
    u" ", // 694
    u" ", // 695
    u" ", // 696
    u" ", // 697
    u" ", // 698
    u" ", // 699
    u"Modbus Start Address", // 700
    u"Modbus Start Address", // 701
    u"Enable Node State", // 702
    u"Enable Identification Number", // 703
    u"M-Bus ID", // 704
    u"Modbus Start Address", // 705
    u"OK", // 706
    u"Cancel", // 707
    u"Error row ", // 708
    u"!! Modbus Start Address cannot be empty", // 709
    u"!! Modbus Start Address must be between 1 and 59999", // 710
    // 711 to 799: free
    u" ", // 711
    u" ", // 712
    u" ", // 713
    u" ", // 714
    u" ", // 715
    u" ", // 716
    u" ", // 717
    u" ", // 718
    u" ", // 719
    u" ", // 720
    u" ", // 721
    u" ", // 722
    u" ", // 723
    u" ", // 724
    u" ", // 725
    u" ", // 726
    u" ", // 727
    u" ", // 728
    u" ", // 729
    u" ", // 730
    u" ", // 731
    u" ", // 732
    u" ", // 733
    u" ", // 734
    u" ", // 735
    u" ", // 736
    u" ", // 737
    u" ", // 738
    u" ", // 739
    u" ", // 740
    u" ", // 741
    u" ", // 742
    u" ", // 743
    u" ", // 744
    u" ", // 745
    u" ", // 746
    u" ", // 747
    u" ", // 748
    u" ", // 749
    u" ", // 750
    u" ", // 751
    u" ", // 752
    u" ", // 753
    u" ", // 754
    u" ", // 755
    u" ", // 756
    u" ", // 757
    u" ", // 758
    u" ", // 759
    u" ", // 760
    u" ", // 761
    u" ", // 762
    u" ", // 763
    u" ", // 764
    u" ", // 765
    u" ", // 766
    u" ", // 767
    u" ", // 768
    u" ", // 769
    u" ", // 770
    u" ", // 771
    u" ", // 772
    u" ", // 773
    u" ", // 774
    u" ", // 775
    u" ", // 776
    u" ", // 777
    u" ", // 778
    u" ", // 779
    u" ", // 780
    u" ", // 781
    u" ", // 782
    u" ", // 783
    u" ", // 784
    u" ", // 785
    u" ", // 786
    u" ", // 787
    u" ", // 788
    u" ", // 789
    u" ", // 790
    u" ", // 791
    u" ", // 792
    u" ", // 793
    u" ", // 794
    u" ", // 795
    u" ", // 796
    u" ", // 797
    u" ", // 798
    u" ", // 799
};

static_assert(std::size(BuiltinTexts) == Lang_Text_Count, "one built-in text per index");

} // namespace

QString builtinText(int index)
{
    if (index < 0 || index >= Lang_Text_Count)
        return QString();
    return QString::fromUtf16(BuiltinTexts[index]);
}

} // namespace app
