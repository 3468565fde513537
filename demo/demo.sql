-- The demo folder's store: one settings row, four categories, real targets
-- that exist on a fresh Debian machine.
create table 设置(标题, 皮肤, 高度, n1, n2, n3, n4, 菜单);
insert into 设置 values('Tavrin', '动感兰', '600', '', '', '0', '0', '1');

create table 分类(编号 integer primary key, 名称, 排序);
insert into 分类(名称, 排序) values
  ('常用程序', 1),
  ('文档', 2),
  ('网址', 3),
  ('系统', 4);

create table 软件(编号 integer primary key, 名称, 路径, 参数, 分类, 排序);
insert into 软件(名称, 路径, 参数, 分类, 排序) values
  ('终端', '/usr/bin/xterm', '', '常用程序', 1),
  ('时钟', '/usr/bin/xclock', '-digital -update 1', '常用程序', 2),
  ('计算器', '/usr/bin/xcalc', '', '常用程序', 3),
  ('系统版本', '/etc/os-release', '', '文档', 1),
  ('主机名', '/etc/hostname', '', '文档', 2),
  ('共享文档', '/usr/share/doc', '', '文档', 3),
  ('Debian', 'https://www.debian.org/', '', '网址', 1),
  ('Qt 文档', 'www.qt.io', '', '网址', 2),
  ('回收站', '::{645ff040-5081-101b-9f08-00aa002f954e}', '', '系统', 1),
  ('我的电脑', '::{20D04FE0-3AEA-1069-A2D8-08002B30309D}', '', '系统', 2),
  ('网上邻居', '::{208D2C60-3AEA-1069-A2D7-08002B30309D}', '', '系统', 3),
  ('我的文档', '::{450D8FBA-AD25-11D0-98A8-0800361B1103}', '', '系统', 4),
  ('控制面板', '::{21EC2020-3AEA-1069-A2DD-08002B30309D}', '', '系统', 5),
  ('打印机', '::{2227a280-3aea-1069-a2de-08002b30309d}', '', '系统', 6),
  ('临时文件夹', '/tmp', '', '系统', 7);
