## Master constraints of a small evaluation board
## Uncomment the lines of the ports the design uses and rename them to its own names

## Clock
set_property -dict { PACKAGE_PIN E3    IOSTANDARD LVCMOS33 } [get_ports { CLK100MHZ }]; #IO_L12P_T1_MRCC_35 Sch=gclk[100]
create_clock -add -name sys_clk_pin -period 10.00 -waveform {0 5} [get_ports { CLK100MHZ }];

## Switches
#set_property -dict { PACKAGE_PIN A8    IOSTANDARD LVCMOS33 } [get_ports { sw[0] }]; #IO_L12N_T1_MRCC_16 Sch=sw[0]
set_property -dict { PACKAGE_PIN C11   IOSTANDARD LVCMOS33 } [get_ports { sw[1] }]; #IO_L13P_T2_MRCC_16 Sch=sw[1]
#set_property -dict { PACKAGE_PIN C10   IOSTANDARD LVCMOS33 } [get_ports { sw[2] }]; #IO_L13N_T2_MRCC_16 Sch=sw[2]
set_property -dict { PACKAGE_PIN A10   IOSTANDARD LVCMOS33 } [get_ports { sw[3] }]; #IO_L14P_T2_SRCC_16 Sch=sw[3]

## RGB LEDs: the red of the first one is also wired as LED_R
set_property PACKAGE_PIN G6 [get_ports {led_rgb[0]}]
set_property PACKAGE_PIN G6 [get_ports LED_R]
set_property PACKAGE_PIN F6 [get_ports led_rgb[1]]
set_property	PACKAGE_PIN	E1	[get_ports	{led_rgb[2]}]	;# tabs between the words

## LEDs, written out of order
set_property PACKAGE_PIN T10 [get_ports {led[3]}]
set_property PACKAGE_PIN H5 [get_ports {led[0]}]
set_property PACKAGE_PIN T9 [get_ports "led[2]"]
set_property PACKAGE_PIN J5 [get_ports {led[1]}]
set_property IOSTANDARD LVCMOS33 [get_ports {led[*]}]

## Reset, continued over two lines; then moved to another pin further down
set_property -dict { PACKAGE_PIN C2 \
                     IOSTANDARD LVCMOS33 } [get_ports { ck_rst }]
set_property PACKAGE_PIN C12 [get_ports ck_rst] ; # the board revision B pin

## System clock, differential
set_property -dict { PACKAGE_PIN R4    IOSTANDARD DIFF_SSTL15 } [get_ports { sysclk_p }]; #IO_L13P_T2_MRCC_34 Sch=sysclk_p
set_property -dict { PACKAGE_PIN T4    IOSTANDARD DIFF_SSTL15 } [get_ports { sysclk_n }]; #IO_L13N_T2_MRCC_34 Sch=sysclk_n

## HDMI out: the pins by LOC, their standard at once
set_property -dict { PACKAGE_PIN AA20  IOSTANDARD TMDS_33 } [get_ports { hdmi_tx_p[0] }];
set_property -dict { PACKAGE_PIN AB20  IOSTANDARD TMDS_33 } [get_ports { hdmi_tx_n[0] }];
set_property LOC AB21 [get_ports {hdmi_tx_p[1]}]
set_property LOC AC21 [get_ports {hdmi_tx_n[1]}]
set_property IOSTANDARD TMDS_33 [get_ports {hdmi_tx_p[1] hdmi_tx_n[1]}]

## Fan control, and a whole bank of 1.8 V
set_property -dict { PACKAGE_PIN W19   IOSTANDARD LVCMOS12 } [get_ports { fan_pwm }];
set_property IOSTANDARD LVCMOS18 [get_ports -of_objects [get_iobanks 16]]
set_property LOC MMCME2_ADV_X1Y1 [get_cells clocks/mmcm]

## Configuration
set_property CONFIG_VOLTAGE 3.3 [current_design]
set_property CFGBVS VCCO [current_design]
